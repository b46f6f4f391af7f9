#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Reads the files the program opens (designs, toolbar images). Only a
// regular file is read: a device such as /dev/zero never ends and a named
// pipe may never begin, and neither is a file a user saved. Never more than
// the limit plus one byte is read, so that a larger file is told apart
// without being held in memory.
class RegularFileReader {
public:
    enum class Status { Read, CannotOpen, TooLarge, ReadError };

    struct Result {
        Status status = Status::CannotOpen;
        QByteArray bytes;  // what was read, when Read
        // Why, when CannotOpen: the system's text ("No such file or
        // directory", "Permission denied"), or IsFolder or IsNotRegular;
        // the system's text when ReadError.
        QString reason;
    };

    static Result read(const QString& path, qint64 maxBytes);

    // The reasons that are no system error; each follows the file's name.
    static constexpr const char* kIsFolder = "is a folder";
    static constexpr const char* kIsNotRegular = "is not a regular file";
    // True when reason is one of those two.
    static bool reasonFollowsName(const QString& reason);
};

}  // namespace corvane
