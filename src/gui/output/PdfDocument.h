#pragma once

#include "AtomicFileWriter.h"

#include <QBuffer>
#include <QPdfWriter>

class QPrinter;

namespace corvane {

// A PDF painted in memory and then saved through the program's one write
// path, so that a PDF file is complete before it replaces an old one and a
// failure is reported like any other save.
class PdfDocument {
public:
    PdfDocument(const QPageLayout& layout, int dotsPerInch, const QString& title);
    // Takes page, resolution and title from a printer set to print to a file.
    explicit PdfDocument(const QPrinter& printer);

    QPagedPaintDevice& device() { return writer_; }

    // Writes what was painted (the painter must have ended) to path.
    AtomicFileWriter::Result save(const QString& path);

    // The print dialog's "print to file": a PDF file rather than a printer.
    static bool isPdfFileOutput(const QPrinter& printer);

private:
    QBuffer buffer_;
    QPdfWriter writer_;
};

}  // namespace corvane
