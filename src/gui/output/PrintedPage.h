#pragma once

#include "PrintPlacement.h"

#include <QSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace corvane {

class BowlModel;

inline constexpr const char* kPrintJobName = "Corvane Print";
// The stretch factor gives true size only at this printer resolution.
inline constexpr int kPrinterDotsPerInch = 600;

// Sets the resolution and the job name every printout uses.
void PreparePrinter(QPrinter& printer);

// The printable area in printer pixels: what the page can show, and what
// the picture is centred on.
QSize PrintableArea(const QPagedPaintDevice& page);

// Draws the whole design as vectors, stretched by the printout scale and
// centred on the page that painter is printing, without the sector
// outline; returns where it went.
PrintPlacement DrawDesignOnPage(QPainter& painter, QSize printableArea, const BowlModel& model);

// Prints the design alone on the page, as the Print command does; the
// command's failure text, or empty when it was printed.
QString PrintDesignPage(QPagedPaintDevice& page, const BowlModel& model);

}  // namespace corvane
