#pragma once

#include <QImage>
#include <QString>

namespace corvane::test {

inline constexpr int kProbeDpi = 100;

// True when pdfinfo and pdftoppm (poppler-utils) are there.
bool HavePdfTools();

// The page count pdfinfo reports, or -1 when it cannot read the file.
int PdfPageCount(const QString& pdfPath);

// Page 1 rendered at kProbeDpi; null when the file cannot be rendered.
QImage RenderFirstPdfPage(const QString& pdfPath);

// The tallest run from the first to the last dark pixel of any one column,
// in inches at kProbeDpi: on a printout of the design that is the outer
// circle's diameter.
double TallestDarkSpanInches(const QImage& page);

// Pixels that are clearly the red of the active-sector outline.
int CountRedPixels(const QImage& image);

// The outer circle's printed diameter to the outside of its 3-pixel line:
// screen pixels at 96 per inch, stretched by 6.24 and the scale onto a
// 600 dots-per-inch page.
double ExpectedOuterCircleInches(double outsideDiameter, double printScale);

}  // namespace corvane::test
