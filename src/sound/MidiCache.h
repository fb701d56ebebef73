#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "sound/MidiRenderer.h"

// Rendered MIDI pieces by file. Rendering a long piece takes seconds, so a
// piece renders once and plays again at once while its file keeps its path,
// size and modification time. The least recently played pieces go first
// when the cache would hold more than its limit.
class MidiCache {
public:
    using Pcm = std::shared_ptr<const std::vector<std::int16_t>>;

    MidiCache(int sampleRate, std::size_t maxBytes);

    // The piece as MidiRenderer::render gives it; null when it renders to nothing.
    Pcm get(const QString& fileName);

private:
    struct Entry {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        Pcm pcm;
    };

    MidiRenderer renderer_;
    std::size_t maxBytes_;
    std::size_t heldBytes_ = 0;
    // Most recently played first.
    std::list<Entry> entries_;
};
