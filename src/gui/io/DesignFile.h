#pragma once

#include <QString>

class QWidget;

#include <string>

namespace corvane {

class BowlModel;

// Reading and writing design files on disk. The texts of the results are
// the ones the program shows to the user.
class DesignFile {
public:
    struct Result {
        bool ok = false;
        QString message;
    };

    // Reads the file into model; on any failure model is left as it was.
    static Result open(const QString& path, BowlModel& model);

    // Writes the model to path; an existing file is replaced only when the
    // whole new file was written.
    static Result save(const QString& path, const BowlModel& model);

    // Writes bytes to path through a temporary file; on failure the result
    // carries the message to show and an existing file is left as it was.
    static Result writeAtomically(const QString& path, const std::string& bytes);

    // Asks where to save a CSV file; the chosen path with ".csv" made sure
    // of, or empty when cancelled.
    static QString chooseCsvSavePath(QWidget* parent);

    // A design file holds at most a few hundred kilobytes; anything beyond
    // this is refused rather than read into memory.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
};

}  // namespace corvane
