#pragma once

#include "AtomicFileWriter.h"

#include <QString>

class QWidget;

namespace corvane {

class BowlModel;

// Reading and writing design files on disk. The texts of the results are
// the ones the program shows to the user.
class DesignFile {
public:
    using Result = AtomicFileWriter::Result;

    // Reads the file into model; on any failure model is left as it was.
    static Result open(const QString& path, BowlModel& model);

    // Writes the model to path; an existing file is replaced only when the
    // whole new file was written.
    static Result save(const QString& path, const BowlModel& model);

    // Asks where to save a CSV file; the chosen path with ".csv" made sure
    // of, or empty when cancelled.
    static QString chooseCsvSavePath(QWidget* parent);

    // A design file holds at most a few hundred kilobytes; anything beyond
    // this is refused rather than read into memory.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
};

}  // namespace corvane
