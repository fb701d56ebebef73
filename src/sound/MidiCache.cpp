#include "sound/MidiCache.h"

#include <QFileInfo>

namespace {

std::size_t bytesOf(const MidiCache::Pcm& pcm) { return pcm->size() * sizeof(std::int16_t); }

}  // namespace

MidiCache::MidiCache(int sampleRate, std::size_t maxBytes) : renderer_(sampleRate), maxBytes_(maxBytes) {}

MidiCache::Pcm MidiCache::get(const QString& fileName) {
    const QFileInfo file(fileName);
    const QString path = file.absoluteFilePath();
    const qint64 size = file.size();
    const QDateTime modified = file.lastModified();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != path) continue;
        if (it->size == size && it->modified == modified) {
            entries_.splice(entries_.begin(), entries_, it);
            return it->pcm;
        }
        // The file changed: its old rendering is of no use any more.
        heldBytes_ -= bytesOf(it->pcm);
        entries_.erase(it);
        break;
    }

    auto rendered = std::make_shared<const std::vector<std::int16_t>>(renderer_.render(fileName));
    if (rendered->empty()) return nullptr;
    const std::size_t bytes = bytesOf(rendered);
    // A piece larger than the whole cache plays, but is not kept, and the
    // pieces that are kept stay.
    if (bytes > maxBytes_) return rendered;
    while (!entries_.empty() && heldBytes_ + bytes > maxBytes_) {
        heldBytes_ -= bytesOf(entries_.back().pcm);
        entries_.pop_back();
    }
    entries_.push_front({path, size, modified, rendered});
    heldBytes_ += bytes;
    return rendered;
}
