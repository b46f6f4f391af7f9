#include "DesignPlacement.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// The part of one axis the tally columns leave free.
struct Span {
    double from = 0.0;
    double to = 0.0;
    double length() const { return to - from; }
};

// Columns lie against the left or the right edge; what lies between is free.
// A view too narrow for anything between them keeps its whole width.
Span FreeWidth(int width, const std::array<IntRect, 3>& tallies) {
    Span span{0.0, double(width)};
    for (const IntRect& column : tallies) {
        if (column.IsEmpty()) {
            continue;
        }
        if (double(column.left) + column.right < width) {
            span.from = std::max(span.from, double(column.right));
        } else {
            span.to = std::min(span.to, double(column.left));
        }
    }
    if (span.length() < 4.0 * kFitMargin) {
        return {0.0, double(width)};
    }
    return span;
}

// Far more than the largest bowl needs at the largest zoom; a hostile file's
// radii are cut to it.
constexpr double kMaxScroll = 1.0e8;

double Middle(Span span) {
    return std::floor((span.from + span.to) / 2.0) + 0.5;
}

struct AxisPlace {
    double centre = 0.0;  // of the bowl, in view coordinates (pixel edges at whole numbers)
    int scrollRange = 0;
    int scroll = 0;
};

// The bowl stands in the middle of the span, moved by the scroll when it is
// larger than the span (never further than its edge can come in).
AxisPlace PlaceAxis(Span span, double needed, int scroll) {
    AxisPlace place;
    const double middle = Middle(span);
    place.centre = middle;
    // A fitted bowl fills its span exactly, give or take a rounding error.
    if (needed > span.length() + 1e-6) {
        const double range = std::ceil((needed - span.length()) / 2.0);
        place.scrollRange = static_cast<int>(std::min(range, kMaxScroll));
        place.scroll = std::clamp(scroll, -place.scrollRange, place.scrollRange);
        place.centre = middle - place.scroll;
    }
    return place;
}

// Fit uses the room the tally columns leave; a chosen zoom keeps the plan
// in the middle of the window, as true scale always stood, so that a fill
// that widens a column never moves the plan under the pointer.
Span SpanAcross(int width, const std::array<IntRect, 3>& tallies, const ZoomRequest& request) {
    if (!request.fit) {
        return {0.0, double(width)};
    }
    return FreeWidth(width, tallies);
}

int ScrollOf(double pixels) {
    return std::isfinite(pixels)
               ? static_cast<int>(std::lround(std::clamp(pixels, -kMaxScroll, kMaxScroll)))
               : 0;
}

double FitZoom(double extent, Span across, Span down) {
    const double room = std::min(across.length(), down.length()) - 2.0 * kFitMargin;
    return ClampZoom(room / (2.0 * extent));
}

}  // namespace

ViewPoint DesignToView(const ViewPlacement& placement, double x, double y) {
    return {(x + 0.5) * placement.zoom + placement.offsetX - 0.5,
            (y + 0.5) * placement.zoom + placement.offsetY - 0.5};
}

ViewPoint ViewToDesign(const ViewPlacement& placement, double x, double y) {
    return {(x + 0.5 - placement.offsetX) / placement.zoom - 0.5,
            (y + 0.5 - placement.offsetY) / placement.zoom - 0.5};
}

double ClampZoom(double zoom) {
    return std::isfinite(zoom) ? std::clamp(zoom, kMinZoom, kMaxZoom) : 1.0;
}

double DesignExtent(const BowlModel& model) {
    double extent = std::fabs(model.OD) * 0.5 * model.PixelsPerInch;
    const int rim = model.LastLiveIndex();
    if (rim > 0) {
        extent = std::max(extent, std::fabs(model.SegmentTable[rim].OuterRadius));
    }
    return std::isfinite(extent) && extent >= 1.0 ? extent : 1.0;
}

ViewPlacement PlaceDesign(const BowlModel& model, int width, int height,
                          const std::array<IntRect, 3>& tallies, const ZoomRequest& request) {
    const Span down{0.0, double(height)};
    const double extent = DesignExtent(model);
    ViewPlacement placement;
    placement.zoom =
        request.fit ? FitZoom(extent, FreeWidth(width, tallies), down) : ClampZoom(request.zoom);
    const Span across = SpanAcross(width, tallies, request);
    const double needed = 2.0 * (extent * placement.zoom + kFitMargin);
    const AxisPlace x = PlaceAxis(across, needed, request.scrollX);
    const AxisPlace y = PlaceAxis(down, needed, request.scrollY);
    // The design centre (whole pixel CenterX) has its pixel's middle at CenterX + 0.5.
    placement.offsetX = x.centre - (width / 2 + 0.5) * placement.zoom;
    placement.offsetY = y.centre - (height / 2 + 0.5) * placement.zoom;
    placement.scrollRangeX = x.scrollRange;
    placement.scrollRangeY = y.scrollRange;
    placement.scrollX = x.scroll;
    placement.scrollY = y.scroll;
    return placement;
}

ZoomRequest ZoomAbout(int width, int height, const ViewPlacement& current, double zoom, double x,
                      double y) {
    const ViewPoint kept = ViewToDesign(current, x, y);
    ZoomRequest request;
    request.zoom = ClampZoom(zoom);
    // Where the bowl centre must stand for the kept point to stay under (x, y),
    // and the scroll that moves it there from the middle of the window,
    // where a chosen zoom places it.
    const double centreX = x + 0.5 - (kept.x - width / 2) * request.zoom;
    const double centreY = y + 0.5 - (kept.y - height / 2) * request.zoom;
    request.scrollX = ScrollOf(Middle(Span{0.0, double(width)}) - centreX);
    request.scrollY = ScrollOf(Middle(Span{0.0, double(height)}) - centreY);
    return request;
}

}  // namespace corvane
