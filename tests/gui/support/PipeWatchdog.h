#pragma once

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace corvane::test {

// Keeps a test from hanging on a named pipe: if anything still waits to read
// from the pipe when the time is up, the watchdog opens and closes its
// writing end, so the reader sees an empty file and the test can fail.
class PipeWatchdog {
public:
    PipeWatchdog(const QByteArray& pipePath, int seconds);
    ~PipeWatchdog();

    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    // True once a reader had to be set free.
    bool fired() const { return fired_; }

private:
    void watch(int seconds);

    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

}  // namespace corvane::test
