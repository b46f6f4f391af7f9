#include "PrintedPage.h"

#include "BowlModel.h"
#include "DesignRenderer.h"

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

// The design's client pixels take as much room on paper as the screen's
// picture stretched by the printer would: the size on paper stays that of
// the fixed stretch and the printout scale.
PrintPlacement DrawDesignOnPage(QPainter& painter, QSize printableArea, const BowlModel& model) {
    const QSize size = DesignRenderer::wholeDesignSize(model);
    const PrintPlacement placement =
        ComputePrintPlacement(size.width(), size.height(), model.PrintScale, printableArea.width(),
                              printableArea.height());
    painter.save();
    painter.translate(placement.x, placement.y);
    painter.scale(double(placement.width) / size.width(), double(placement.height) / size.height());
    DesignRenderer::drawWholeDesign(painter, model, size, {.sectorOutline = false, .zoom = {}});
    painter.restore();
    return placement;
}

QString PrintDesignPage(QPagedPaintDevice& page, const BowlModel& model) {
    QPainter painter;
    if (!painter.begin(&page)) {
        return QStringLiteral("Failed to start document");
    }
    DrawDesignOnPage(painter, PrintableArea(page), model);
    if (!painter.end()) {
        return QStringLiteral("Failed to end document");
    }
    return {};
}

}  // namespace corvane
