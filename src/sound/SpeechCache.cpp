#include "sound/SpeechCache.h"

#include <algorithm>

namespace {

qint64 sizeOf(const SpeechCache::Pcm& pcm) { return pcm ? qint64(pcm->size() * sizeof(std::int16_t)) : 0; }

}  // namespace

SpeechCache::Pcm SpeechCache::find(const QString& key) {
    const std::lock_guard lock(mutex_);
    const auto entry = entries_.find(key);
    if (entry == entries_.end()) return nullptr;
    entry->used = ++clock_;
    return entry->pcm;
}

bool SpeechCache::contains(const QString& key) const {
    const std::lock_guard lock(mutex_);
    return entries_.contains(key);
}

void SpeechCache::insert(const QString& key, Pcm pcm) {
    const std::lock_guard lock(mutex_);
    if (sizeOf(pcm) > maxBytes_) return;
    if (const auto old = entries_.constFind(key); old != entries_.cend()) bytes_ -= sizeOf(old->pcm);
    bytes_ += sizeOf(pcm);
    entries_.insert(key, {std::move(pcm), ++clock_});
    while (bytes_ > maxBytes_) {
        const auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                             [](const Entry& a, const Entry& b) { return a.used < b.used; });
        bytes_ -= sizeOf(oldest->pcm);
        entries_.erase(oldest);
    }
}

void SpeechCache::clear() {
    const std::lock_guard lock(mutex_);
    entries_.clear();
    bytes_ = 0;
}

qint64 SpeechCache::bytes() const {
    const std::lock_guard lock(mutex_);
    return bytes_;
}
