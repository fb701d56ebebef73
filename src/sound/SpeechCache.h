#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// Rendered announcements, ready for the speech channel, by a key that names
// the text and everything that shapes its sound (engine, voice, settings).
// Holds at most a given number of bytes, dropping what was used longest ago.
// Shared between the window thread and the background renderer.
class SpeechCache {
public:
    using Pcm = std::shared_ptr<const std::vector<std::int16_t>>;

    explicit SpeechCache(qint64 maxBytes) : maxBytes_(maxBytes) {}

    // Null when not there.
    Pcm find(const QString& key);
    bool contains(const QString& key) const;
    void insert(const QString& key, Pcm pcm);
    void clear();
    qint64 bytes() const;

private:
    struct Entry {
        Pcm pcm;
        quint64 used = 0;
    };
    mutable std::mutex mutex_;
    QHash<QString, Entry> entries_;
    qint64 maxBytes_, bytes_ = 0;
    quint64 clock_ = 0;
};
