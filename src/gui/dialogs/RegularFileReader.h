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
        QString reason;    // the system's text, when ReadError
    };

    static Result read(const QString& path, qint64 maxBytes);
};

}  // namespace corvane
