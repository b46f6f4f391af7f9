#pragma once

#include "DesignPlacement.h"
#include "SegmentProp.h"
#include "TallyLayout.h"
#include "ViewLayout.h"

#include <QImage>
#include <QPolygonF>
#include <QRegion>
#include <QSize>

#include <array>
#include <optional>
#include <vector>

namespace corvane {

class BowlModel;
class CoverageRaster;
struct SectorOutline;

// The picture of a design, kept between paints so that a click repaints
// only what it changed. It is made of layers in device pixels: the fills
// (background, disc and segments, drawn without anti-aliasing since every
// edge between two of them lies under a black outline), the coverage of the
// black ring circles and joints, and that of the red sector outline. The
// shown picture is the three put together, with the tally columns on top.
// A partial repaint redraws the fills in the changed areas and puts the
// layers together there again, so it gives the same pixels as a full paint.
// What a picture shows beyond the design itself.
struct RenderOptions {
    // The red outline of the active sector in symmetry mode; printouts and
    // exported pictures go without it.
    bool sectorOutline = true;
    // True scale in the middle unless a view asks for another zoom or scroll.
    ZoomRequest zoom;
};

class DesignPicture {
public:
    // Paints everything for a client area of the given size in logical
    // pixels on a device with the given pixel ratio. It only reads the
    // model; where it put the design is its layout().
    void paintAll(const BowlModel& model, QSize clientSize, qreal pixelRatio,
                  RenderOptions options = {});

    // True when the last full paint was made for this size, pixel ratio and
    // the model's parameters, so that changed colours are all there is to draw.
    bool isCurrent(const BowlModel& model, QSize clientSize, qreal pixelRatio,
                   RenderOptions options = {}) const;

    // Repaints the records whose colours changed and the tally columns after
    // a recount (everything, when the recount moves the bowl). Returns what
    // changed, in logical client pixels.
    QRegion repaintRecords(const BowlModel& model, const std::vector<int>& records);

    // The bowl centre, tally columns, sector angles and zoom of the last paint.
    const ViewLayout& layout() const { return layout_; }

    // The shown picture in device pixels, its device pixel ratio set.
    const QImage& image() const { return shown_; }
    // The colour shown at a client point given in logical pixels, opaque.
    Argb colorAt(QPoint clientPoint) const;

    // The tally columns and lines for a client area of the given size,
    // measured in the tally font at the model's pixels per inch.
    static TallyLayout layTallies(const BowlModel& model, QSize clientSize);
    // The columns the tallies are drawn on, white: the first always, the
    // others when the lines reach them (client pixels).
    static std::vector<QRectF> tallyColumns(const TallyLayout& layout);

private:
    struct Parameters {
        double id = 0.0;
        double od = 0.0;
        int rows = 0;
        int segments = 0;
        int fontSize = 0;
        int pixelsPerInch = 0;
        int sectors = 0;
        QSize size;
        qreal ratio = 0.0;
        ZoomRequest zoom;
        friend bool operator==(const Parameters&, const Parameters&) = default;
    };
    // How a row's outlines look, when its records form a regular ring.
    struct RowOutline {
        bool regular = false;
        double solidRadius = 0.0;  // joints cover everything inside this (device pixels)
        bool hidesSegments = false;
    };
    // One record's area in device pixels; nothing to draw when the outline is empty.
    struct Shape {
        QPolygonF outline;
        QRect bounds;
        Argb color = kBlankColor;
    };

    static Parameters parametersOf(const BowlModel& model, QSize clientSize, qreal pixelRatio,
                                   RenderOptions options);
    void allocate(const BowlModel& model, QSize deviceSize);
    QPointF devicePoint(double angleDegrees, double radius) const;
    double deviceRadius(double logicalRadius) const;

    void planRows(const BowlModel& model);
    void buildShapes(const BowlModel& model);
    void paintFills(const QRect& area);
    void paintOutlines(const BowlModel& model);
    void paintJoints(const BowlModel& model, CoverageRaster& raster) const;
    void paintSectorOutline(const std::optional<SectorOutline>& outline);
    void compose(const QRect& area);

    QRect lineBox(const TallyLine& line, int lineHeight) const;
    QRegion tallyArea(const TallyLayout& layout) const;
    QRegion changedTallyArea(const TallyLayout& layout) const;
    void paintTallies(const BowlModel& model, const TallyLayout& layout, const QRegion& area);
    QRect deviceRect(const QRectF& logical) const;

    Parameters painted_;
    RenderOptions options_;
    ViewLayout layout_;
    QPointF centre_;              // device pixels
    double scale_ = 1.0;          // device pixels per design pixel
    double visibleRadius_ = 0.0;  // nothing beyond it from the centre shows
    double halfOutline_ = 1.5;    // half the black pen, device pixels
    QRect outlined_;              // where the black or red layer may cover anything
    std::vector<RowOutline> rows_;
    std::vector<Shape> shapes_;  // by record index; 0 is the disc
    TallyLayout tallies_;

    QImage fills_;
    QImage black_;
    QImage red_;
    QImage shown_;
};

}  // namespace corvane
