#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "sound/SpeechCache.h"

class QThread;

// Renders announcements before they are asked for: one at a time, on a
// thread of the lowest priority, into the cache. The window thread only
// hands over work and never waits for it.
class BackgroundRenderer {
public:
    // Renders a text; called on the renderer's thread. Null when it fails.
    using Render = std::function<SpeechCache::Pcm(const QString& text)>;

    explicit BackgroundRenderer(SpeechCache& cache);
    ~BackgroundRenderer();

    struct Job {
        QString key, text;
    };
    // Replaces whatever was waiting. A job whose key is in the cache is skipped.
    void replace(std::deque<Job> jobs, Render render);
    // Drops what is waiting; a text being rendered still finishes but is
    // not kept.
    void cancel();
    // Nothing waiting and nothing being rendered.
    bool idle() const;

private:
    void run();

    SpeechCache& cache_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    Render render_;
    bool busy_ = false, stopping_ = false;
    quint64 generation_ = 0;
    std::unique_ptr<QThread> thread_;
};
