#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

typedef struct zip zip_t;

// A feed as it is published: a zip archive of its .txt files, or a folder
// holding them. File names are matched in any letter case, and a zip's files
// may sit in a folder of their own, as some publishers pack them.
class FeedSource {
public:
    // Nothing, with `error` set, when `path` is neither a folder nor a zip
    // archive that opens.
    static std::unique_ptr<FeedSource> open(const QString& path, QString& error);
    ~FeedSource();
    FeedSource(const FeedSource&) = delete;
    FeedSource& operator=(const FeedSource&) = delete;

    bool has(const QString& name) const;
    // Nothing, with `error` set, when the file is missing, damaged or larger
    // than any feed's file can reasonably be.
    std::optional<QByteArray> read(const QString& name, QString& error) const;

    static constexpr qint64 kMaxFileBytes = qint64(512) << 20;

private:
    FeedSource() = default;

    zip_t* archive_ = nullptr;
    // Lower-case file name to its path in the folder or its index in the archive.
    QHash<QString, QString> paths_;
    QHash<QString, qint64> entries_;
};
