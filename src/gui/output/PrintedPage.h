#pragma once

#include "PrintPlacement.h"

#include <QSize>
#include <QString>

class QImage;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace corvane {

inline constexpr const char* kPrintJobName = "Corvane Print";
// The stretch factor gives true size only at this printer resolution.
inline constexpr int kPrinterDotsPerInch = 600;

// Sets the resolution and the job name every printout uses.
void PreparePrinter(QPrinter& printer);

// The printable area in printer pixels: what the page can show, and what
// the picture is centred on.
QSize PrintableArea(const QPagedPaintDevice& page);

// Draws the view's picture stretched and centred on the page that painter
// is printing; returns where it went.
PrintPlacement DrawPictureOnPage(QPainter& painter, QSize printableArea, const QImage& picture,
                                 double printScale);

// Prints the picture alone on the page, as the Print command does; the
// command's failure text, or empty when it was printed.
QString PrintPicturePage(QPagedPaintDevice& page, const QImage& picture, double printScale);

}  // namespace corvane
