#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// Files that belong together, such as a route's fare and broadcast data:
// they appear in their folder together, replacing files of the same names,
// or not at all.
class OutputFiles {
public:
    explicit OutputFiles(QString folder) : folder_(std::move(folder)) {}

    void add(const QString& name, QByteArray bytes) { files_.emplace_back(name, std::move(bytes)); }
    bool empty() const { return files_.empty(); }

    // Nothing when all were written; otherwise why, and the folder is as it was.
    std::optional<QString> commit() const;

private:
    QString folder_;
    std::vector<std::pair<QString, QByteArray>> files_;
};
