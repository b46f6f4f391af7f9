#include "PipeWatchdog.h"

#include <chrono>

#include <fcntl.h>
#include <unistd.h>

namespace corvane::test {

PipeWatchdog::PipeWatchdog(const QByteArray& pipePath, int seconds) : path_(pipePath) {
    thread_ = std::thread([this, seconds] { watch(seconds); });
}

PipeWatchdog::~PipeWatchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    thread_.join();
}

void PipeWatchdog::watch(int seconds) {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (stop_.wait_for(lock, std::chrono::seconds(seconds)) == std::cv_status::timeout) {
            // Opening the writing end without blocking succeeds only while a
            // reader is there.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                fired_ = true;
                ::close(fd);
            }
        }
    }
}

}  // namespace corvane::test
