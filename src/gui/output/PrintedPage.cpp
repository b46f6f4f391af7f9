#include "PrintedPage.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace corvane {

void PreparePrinter(QPrinter& printer) {
    printer.setResolution(kPrinterDotsPerInch);
    printer.setDocName(QString::fromLatin1(kPrintJobName));
}

QSize PrintableArea(const QPagedPaintDevice& page) {
    return page.pageLayout().paintRectPixels(page.logicalDpiX()).size();
}

// Scaled without smoothing: the page gets the screen's pixels enlarged, the
// way the printer's default stretch would show them.
PrintPlacement DrawPictureOnPage(QPainter& painter, QSize printableArea, const QImage& picture,
                                 double printScale) {
    const PrintPlacement placement =
        ComputePrintPlacement(picture.width(), picture.height(), printScale, printableArea.width(),
                              printableArea.height());
    painter.drawImage(QRect(placement.x, placement.y, placement.width, placement.height), picture);
    return placement;
}

QString PrintPicturePage(QPagedPaintDevice& page, const QImage& picture, double printScale) {
    QPainter painter;
    if (!painter.begin(&page)) {
        return QStringLiteral("Failed to start document");
    }
    DrawPictureOnPage(painter, PrintableArea(page), picture, printScale);
    if (!painter.end()) {
        return QStringLiteral("Failed to end document");
    }
    return {};
}

}  // namespace corvane
