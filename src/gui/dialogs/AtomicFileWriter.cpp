#include "AtomicFileWriter.h"

#include "NativeFileName.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// "<reason> while accessing <file>.", the form of the program's file errors,
// cut to the 255 characters a file error's text may have.
QString reasonText(const QString& path, const QString& reason) {
    return QStringLiteral("%1 while accessing %2.")
        .arg(reason, QFileInfo(path).absoluteFilePath())
        .left(255);
}

AtomicFileWriter::Result openFailure(const QString& path, const QString& reason) {
    return {false, QStringLiteral("Failed to open file for saving.\n") + reasonText(path, reason)};
}

AtomicFileWriter::Result writeFailure(const QString& path, int error) {
    return {false, AtomicFileWriter::saveErrorText(path, systemReason(error))};
}

// Where the bytes finally go: a symbolic link is followed, so that the link
// stays a link and its target gets the new contents.
QByteArray finalTarget(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = ::realpath(path.constData(), nullptr)) {
            QByteArray target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return QByteArrayLiteral(".");
    }
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Some file systems cannot sync; that is no failure of the data.
bool syncToDisk(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
}

// Writes, syncs and closes fd; on failure errno holds the reason.
bool finishFile(int fd, const QByteArray& bytes) {
    const bool written = writeAll(fd, bytes) && syncToDisk(fd);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) {
        errno = writeError;
    }
    return written && closed;
}

// A new, empty file beside the target that nobody else has; -1 with errno
// when the folder refuses one.
int createTemporaryBeside(const QByteArray& target, QByteArray& temporary) {
    const QByteArray folder = folderOf(target);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1).left(200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "/." + base + "." +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The new file takes the old one's permissions and, where allowed, owner.
void keepAttributes(int fd, const struct stat& old) {
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        return;
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        ::fchmod(fd, old.st_mode & 0777);
    }
}

// The folder's entry for the renamed file reaches the disk too.
void syncFolder(const QByteArray& target) {
    const int folder = ::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

// A folder that does not let us create the temporary file, while the file
// itself may be written: then the file is truncated and written in place,
// as a plain save would. The old contents are not safe on this road; it is
// taken only because the alternative is not saving at all.
AtomicFileWriter::Result writeInPlace(const QString& path, const QByteArray& target,
                                      const QByteArray& bytes) {
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return openFailure(path, systemReason(errno));
    }
    if (!finishFile(fd, bytes)) {
        return writeFailure(path, errno);
    }
    return {true, {}};
}

}  // namespace

QString AtomicFileWriter::saveErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("Error saving file: ") + reasonText(path, reason);
}

AtomicFileWriter::Result AtomicFileWriter::write(const QString& path, const QByteArray& bytes) {
    const QByteArray target = finalTarget(EncodeFileName(path));
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    // Replacing a device, a pipe or a folder is never what a save means.
    if (exists && !S_ISREG(old.st_mode)) {
        return openFailure(path, S_ISDIR(old.st_mode) ? systemReason(EISDIR)
                                                      : QStringLiteral("Not a regular file"));
    }
    QByteArray temporary;
    const int fd = createTemporaryBeside(target, temporary);
    if (fd < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM) &&
            ::access(target.constData(), W_OK) == 0) {
            return writeInPlace(path, target, bytes);
        }
        return openFailure(path, systemReason(error));
    }
    if (exists) {
        keepAttributes(fd, old);
    }
    if (!finishFile(fd, bytes) || ::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return writeFailure(path, error);
    }
    syncFolder(target);
    return {true, {}};
}

}  // namespace corvane
