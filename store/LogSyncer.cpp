#include "store/LogSyncer.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace zelvaro {

LogSyncer::LogSyncer(std::filesystem::path log)
    : log_(std::move(log)), thread_([this] { run(); }) {}

LogSyncer::~LogSyncer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void LogSyncer::committed() {
    {
        const std::lock_guard lock(mutex_);
        if (waiting_) return;  // the thread is already coming
        waiting_ = true;
    }
    wake_.notify_one();
}

std::int64_t LogSyncer::flushes() const {
    const std::lock_guard lock(mutex_);
    return flushes_;
}

void LogSyncer::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_) return;
        waiting_ = false;
        lock.unlock();
        flush();
        lock.lock();
        // The commits of the next moments wait for one flush together.
        if (!stopping_) wake_.wait_for(lock, kFlushGap, [this] { return stopping_; });
    }
}

void LogSyncer::flush() {
    // Any descriptor of the file flushes all of it; the log may be gone with its connection.
    const int file = ::open(log_.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return;
    const bool flushed = ::fdatasync(file) == 0;
    ::close(file);
    if (!flushed) return;
    const std::lock_guard lock(mutex_);
    ++flushes_;
}

}  // namespace zelvaro
