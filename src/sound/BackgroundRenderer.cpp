#include "sound/BackgroundRenderer.h"

#include <QThread>

BackgroundRenderer::BackgroundRenderer(SpeechCache& cache) : cache_(cache) {
    thread_.reset(QThread::create([this] { run(); }));
    // On Linux the idle class: it runs only when nothing else wants the
    // core, and the synthesiser processes it starts inherit that.
    thread_->start(QThread::IdlePriority);
}

BackgroundRenderer::~BackgroundRenderer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_all();
    thread_->wait();
}

void BackgroundRenderer::replace(std::deque<Job> jobs, Render render) {
    {
        const std::lock_guard lock(mutex_);
        jobs_ = std::move(jobs);
        render_ = std::move(render);
        ++generation_;
    }
    wake_.notify_all();
}

void BackgroundRenderer::cancel() { replace({}, {}); }

bool BackgroundRenderer::idle() const {
    const std::lock_guard lock(mutex_);
    return jobs_.empty() && !busy_;
}

void BackgroundRenderer::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) return;
        const Job job = jobs_.front();
        jobs_.pop_front();
        if (cache_.contains(job.key)) continue;
        const Render render = render_;
        const quint64 generation = generation_;
        busy_ = true;
        lock.unlock();
        SpeechCache::Pcm pcm = render(job.text);
        lock.lock();
        busy_ = false;
        // Work for settings that have changed meanwhile is not kept.
        if (pcm && generation == generation_) cache_.insert(job.key, std::move(pcm));
    }
}
