#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <utility>
#include <vector>

// A fuzzer's seed corpus, replayed by a test: each file's name and bytes.
inline std::vector<std::pair<QString, QByteArray>> corpusInputs(const QString& folder) {
    std::vector<std::pair<QString, QByteArray>> inputs;
    const QDir corpus(folder);
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        if (file.open(QIODevice::ReadOnly)) inputs.emplace_back(name, file.readAll());
    }
    return inputs;
}
