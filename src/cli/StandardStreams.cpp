#include "StandardStreams.h"

#include "PrintError.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace corvane {

void HoldClosedStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        const int held = ::open("/dev/null", O_RDONLY);
        if (held >= 0 && held != stream) {
            ::dup2(held, stream);
            ::close(held);
        }
    }
}

// Written past the standard library's buffer, so that every write is seen;
// the close is where a file system that writes late reports it.
std::optional<QString> WriteStandardOutput(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return SystemErrorText(errno);
        }
        if (written == 0) {
            return SystemErrorText(ENOSPC);
        }
        text.remove_prefix(size_t(written));
    }
    if (::close(STDOUT_FILENO) != 0 && errno != EINTR) {
        return SystemErrorText(errno);
    }
    return std::nullopt;
}

}  // namespace corvane
