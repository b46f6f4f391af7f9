#include "PrintCommands.h"

#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignRenderer.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "PdfDocument.h"
#include "PrintedPage.h"

#include <QPainter>
#include <QPrinter>

namespace corvane {

namespace {

struct ScaleCommand {
    int commandId;
    double scale;
};

// 105 % and 110 % have their ids the other way round.
constexpr ScaleCommand kScaleCommands[] = {
    {cmd::Scale90, 0.9},  {cmd::Scale95, 0.95}, {cmd::Scale100, 1.0}, {cmd::Scale105, 1.05},
    {cmd::Scale110, 1.1}, {cmd::Scale150, 1.5}, {cmd::Scale200, 2.0},
};

}  // namespace

PrintCommands::PrintCommands(DesignSurface& view) : QObject(&view), view_(view) {
    for (const ScaleCommand& command : kScaleCommands) {
        const double scale = command.scale;
        view_.commands().add(command.commandId, [this, scale] { setPrintScale(scale); });
    }
    view_.commands().add(cmd::Print, [this] { print(); });
}

void PrintCommands::setPrintScale(double scale) {
    view_.document().setPrintScale(scale);
}

void PrintCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    if (!DialogService::instance().choosePrinter(printer, view_.window())) {
        return;
    }
    // The dialog may offer other resolutions; the stretch factor needs 600.
    PreparePrinter(printer);
    if (!printer.isValid()) {
        fail("Failed to get printer DC");
        return;
    }
    if (PdfDocument::isPdfFileOutput(printer)) {
        printToPdfFile(printer);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        fail("Failed to start document");
        return;
    }
    printPage(printer, painter);
}

// Qt opens the first page together with the document and closes both in
// QPainter::end(); a printer in the error state after begin or after drawing
// is where the page itself failed.
void PrintCommands::printPage(QPrinter& printer, QPainter& painter) {
    if (printer.printerState() == QPrinter::Error) {
        fail("Failed to start page");
        printer.abort();
        painter.end();
        return;
    }
    drawPage(painter, PrintableArea(printer));
    if (printer.printerState() == QPrinter::Error) {
        fail("Failed to end page");
        printer.abort();
        painter.end();
        return;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        fail("Failed to end document");
    }
}

void PrintCommands::printToPdfFile(const QPrinter& printer) {
    const AtomicFileWriter::Result saved = PdfDocument::print(
        printer, [this](QPagedPaintDevice& page) { return PrintDesignPage(page, view_.model()); });
    if (!saved.ok) {
        DialogService::instance().showMessage(view_.window(), saved.message);
    }
}

void PrintCommands::drawPage(QPainter& painter, QSize printableArea) {
    DrawDesignOnPage(painter, printableArea, view_.model());
}

void PrintCommands::fail(const char* message) {
    DialogService::instance().showMessage(view_.window(), QString::fromLatin1(message));
}

}  // namespace corvane
