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

AtomicFileWriter::Result PdfDocument::print(const QPageLayout& layout, int dotsPerInch,
                                            const QString& title, const QString& path,
                                            const PagePainter& paint) {
    PdfDocument pdf(layout, dotsPerInch, title);
    const QString failure = paint(pdf.device());
    if (!failure.isEmpty()) {
        return {false, failure};
    }
    return pdf.save(path);
}

AtomicFileWriter::Result PdfDocument::print(const QPrinter& printer, const PagePainter& paint) {
    return print(printer.pageLayout(), printer.resolution(), printer.docName(),
                 printer.outputFileName(), paint);
}

bool PdfDocument::isPdfFileOutput(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

}  // namespace corvane
