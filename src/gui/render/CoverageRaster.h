#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

namespace corvane {

// Anti-aliased black outlines drawn straight into an 8-bit coverage image.
// A pixel's coverage comes from the distance of its centre to the shape, so
// one pass over the pixels a shape touches is enough, however many shapes
// there are: Qt's own rasterizer spends most of a paint on the thousands of
// long, thin circles and joints a large design has. Where shapes overlap the
// larger coverage wins, which is what a union of the shapes looks like.
//
// Coordinates are device pixels; pixel (i, j) has its centre at
// (i + 0.5, j + 0.5). Any double may come in (hostile files give radii of
// 1e10): everything is clipped to the image before it becomes an index.
class CoverageRaster {
public:
    // Draws into the rows [firstRow, endRow) of the image only, so that
    // several rasters can share one image, each on rows of its own.
    CoverageRaster(QImage& coverage, int firstRow, int endRow);

    // The ring between the radii inner and outer around centre.
    void fillBand(QPointF centre, double inner, double outer);
    // A line of the given width from a to b, with flat ends.
    void fillLine(QPointF a, QPointF b, double width);

    // The pixels any shape reached so far; beyond them the image is as it was.
    QRect touched() const { return touched_; }

private:
    void take(uchar* line, int x, double coverage);
    void touch(int y, int from, int to);
    // Clamps a pixel range [first, last] to the image; false when empty.
    bool clampRange(double first, double last, int& from, int& to) const;
    // The same for rows, within this raster's rows.
    bool rowRange(double first, double last, int& from, int& to) const;

    QImage& image_;
    int width_;
    int firstRow_;
    int endRow_;
    QRect touched_;
};

}  // namespace corvane
