#include "AtomicFileWriter.h"

#include "NativeFileName.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
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

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return QByteArrayLiteral(".");
    }
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// As many links as the system itself follows before it calls them a loop.
constexpr int kMaxLinkHops = 40;

// Where the bytes finally go: every symbolic link is followed, also one whose
// target does not exist yet, so that the link stays a link and its target
// gets the new contents (or is created). Empty, with errno ELOOP, for a loop.
QByteArray finalTarget(const QByteArray& path) {
    QByteArray current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        QByteArray link(qsizetype(info.st_size > 0 ? info.st_size : PATH_MAX) + 1, '\0');
        const ssize_t length = ::readlink(current.constData(), link.data(), size_t(link.size()));
        if (length < 0 || length >= link.size()) {
            return current;  // changed under us: let the writing say what is wrong
        }
        link.truncate(qsizetype(length));
        current = link.startsWith('/') ? link : folderOf(current) + '/' + link;
    }
    errno = ELOOP;
    return {};
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

// The new file takes the old one's owner, group and permissions (in that
// order: a change of owner clears the set-user-ID bits). False when the
// owner or group cannot be kept, as for a user who may write a file that
// another user owns: replacing it would hand it to the one saving.
bool keepAttributes(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) {
        return false;
    }
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// No write permission for the one saving, or a file system mounted read-only.
// Root may write any file, so for root a file without any write bit counts as
// read-only too: replacing it would undo what its owner meant.
bool isReadOnly(const QByteArray& target, const struct stat& old) {
    if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0) {
        return errno == EACCES || errno == EPERM || errno == EROFS;
    }
    return ::geteuid() == 0 && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The folder's entry for the renamed file reaches the disk too.
void syncFolder(const QByteArray& target) {
    const int folder = ::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace

QString AtomicFileWriter::saveErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("Error saving file: ") + reasonText(path, reason);
}

AtomicFileWriter::Result AtomicFileWriter::write(const QString& path, const QByteArray& bytes) {
    const QByteArray target = finalTarget(EncodeFileName(path));
    if (target.isEmpty()) {
        return openFailure(path, systemReason(ELOOP));
    }
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    // Replacing a device, a pipe or a folder is never what a save means.
    if (exists && !S_ISREG(old.st_mode)) {
        return openFailure(path, S_ISDIR(old.st_mode) ? systemReason(EISDIR)
                                                      : QStringLiteral("Not a regular file"));
    }
    if (exists && isReadOnly(target, old)) {
        return {false, QStringLiteral("Failed to open file for saving.\n%1 is read-only.")
                           .arg(QFileInfo(path).absoluteFilePath())};
    }
    // Without a new file beside it the old one could only be overwritten in
    // place, and a failure half way (a full disk) would leave it cut off.
    QByteArray temporary;
    const int fd = createTemporaryBeside(target, temporary);
    if (fd < 0) {
        return openFailure(path, systemReason(errno));
    }
    if (exists && !keepAttributes(fd, old)) {
        ::close(fd);
        ::unlink(temporary.constData());
        return openFailure(path, QStringLiteral("The owner and group of the file cannot be kept"));
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
