#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// The one way the program writes a file (designs, cut lists, pictures,
// PDFs). The bytes go to a new file beside the target, every write is
// checked and the data is flushed to the disk; only then does the new file
// replace the old one. On any failure the new file is removed and an
// existing file keeps every byte it had. When no new file can be made
// beside the target (a folder without write permission, a full disk), the
// save is refused: writing the old file in place could leave it cut off.
//
// A symbolic link is written through, its target created if need be; a loop
// of links, a read-only file and a file whose owner and group the new file
// could not take are refused. A replaced file keeps its owner, group and
// permissions.
//
// QSaveFile is not used: Qt 6.4 renames its file even when the last flush
// of its buffer failed (a full disk then leaves an empty file behind a
// success), and it cannot name a file whose name is not UTF-8.
class AtomicFileWriter {
public:
    struct Result {
        bool ok = false;
        QString message;  // the program's text for the failure, naming file and reason
    };

    static Result write(const QString& path, const QByteArray& bytes);

    // "Error saving file: " with the reason and the file, for failures that
    // come before any byte is written (a picture that cannot be encoded).
    static QString saveErrorText(const QString& path, const QString& reason);
};

}  // namespace corvane
