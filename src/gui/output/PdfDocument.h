#pragma once

#include "AtomicFileWriter.h"

#include <QBuffer>
#include <QPdfWriter>

#include <functional>

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

    // Paints the pages of a printout; the text of a failure, or empty when
    // every page was painted.
    using PagePainter = std::function<QString(QPagedPaintDevice& pages)>;

    // The one way a printout becomes a PDF file (the Print command, the cut
    // list's printout, the command line): painted in memory, then saved to
    // path. A failure, of the painting or of the save, gives its message.
    static AtomicFileWriter::Result print(const QPageLayout& layout, int dotsPerInch,
                                          const QString& title, const QString& path,
                                          const PagePainter& paint);
    // Page, resolution, title and file from a printer set to print to a file.
    static AtomicFileWriter::Result print(const QPrinter& printer, const PagePainter& paint);

private:
    QBuffer buffer_;
    QPdfWriter writer_;
};

}  // namespace corvane
