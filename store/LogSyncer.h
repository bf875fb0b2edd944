// Makes the write-ahead log's commits last through a power cut without the committing thread
// waiting for the disk. A commit in the log's normal mode only hands its pages to the system,
// which may keep them in memory for half a minute: a power cut would take them back. Here a
// thread of its own flushes the log to the disk soon after each commit, at most every
// kFlushGap, so that a power cut loses at most about that much play.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <thread>

namespace zelvaro {

class LogSyncer {
public:
    static constexpr std::chrono::milliseconds kFlushGap{500};

    explicit LogSyncer(std::filesystem::path log);
    // A commit still waiting is flushed first.
    ~LogSyncer();
    LogSyncer(const LogSyncer&) = delete;
    LogSyncer& operator=(const LogSyncer&) = delete;

    // After a commit: costs the caller a lock, and a wake-up when the thread is idle.
    void committed();
    // How many flushes have found the log and reached the disk.
    std::int64_t flushes() const;

private:
    void run();
    void flush();

    const std::filesystem::path log_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool waiting_ = false;  // a commit not flushed yet
    bool stopping_ = false;
    std::int64_t flushes_ = 0;
    std::thread thread_;
};

}  // namespace zelvaro
