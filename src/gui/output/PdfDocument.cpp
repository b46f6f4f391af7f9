#include "PdfDocument.h"

#include <QPrinter>

namespace corvane {

PdfDocument::PdfDocument(const QPageLayout& layout, int dotsPerInch, const QString& title)
    : writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(dotsPerInch);
    writer_.setPageLayout(layout);
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Corvane"));
}

PdfDocument::PdfDocument(const QPrinter& printer)
    : PdfDocument(printer.pageLayout(), printer.resolution(), printer.docName()) {}

AtomicFileWriter::Result PdfDocument::save(const QString& path) {
    return AtomicFileWriter::write(path, buffer_.data());
}

bool PdfDocument::isPdfFileOutput(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

}  // namespace corvane
