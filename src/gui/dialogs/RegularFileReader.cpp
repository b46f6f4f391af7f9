#include "RegularFileReader.h"

#include "NativeFileName.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

RegularFileReader::Result readError() {
    return {RegularFileReader::Status::ReadError, {}, systemReason()};
}

RegularFileReader::Result cannotOpen(const QString& reason) {
    return {RegularFileReader::Status::CannotOpen, {}, reason};
}

}  // namespace

RegularFileReader::Result RegularFileReader::read(const QString& path, qint64 maxBytes) {
    // Opening without blocking, so that a pipe with no writer cannot hold the
    // program up before it is seen to be a pipe.
    const Descriptor file(
        ::open(EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        return cannotOpen(systemReason());
    }
    if (!S_ISREG(info.st_mode)) {
        return cannotOpen(QString::fromLatin1(S_ISDIR(info.st_mode) ? kIsFolder : kIsNotRegular));
    }
    Result result{Status::Read, {}, {}};
    const qint64 wanted = maxBytes + 1;
    result.bytes.resize(qsizetype(qMin<qint64>(wanted, info.st_size + 1)));
    qint64 got = 0;
    for (;;) {
        if (got == result.bytes.size() && got < wanted) {
            // The file grew after it was measured.
            result.bytes.resize(qsizetype(qMin<qint64>(wanted, got * 2 + 4096)));
        }
        if (got == wanted) {
            break;
        }
        const ssize_t n =
            ::read(file.get(), result.bytes.data() + got, size_t(result.bytes.size() - got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return readError();
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    result.bytes.resize(qsizetype(got));
    if (got > maxBytes) {
        return {Status::TooLarge, {}, {}};
    }
    return result;
}

bool RegularFileReader::reasonFollowsName(const QString& reason) {
    return reason == QLatin1String(kIsFolder) || reason == QLatin1String(kIsNotRegular);
}

}  // namespace corvane
