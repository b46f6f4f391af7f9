#pragma once

#include "BowlModel.h"
#include "ViewLayout.h"

#include <array>

namespace corvane {

// The zoom a view asks for: the whole bowl fitted into the view, or a
// fixed zoom (1 is true scale), and how far it is scrolled from the middle
// (view pixels; only a bowl larger than the view scrolls).
struct ZoomRequest {
    bool fit = false;
    double zoom = 1.0;
    int scrollX = 0;
    int scrollY = 0;
    friend bool operator==(const ZoomRequest&, const ZoomRequest&) = default;
};

inline constexpr double kMinZoom = 0.05;
inline constexpr double kMaxZoom = 16.0;
// One step of Zoom In or Out, and of a notch of the wheel.
inline constexpr double kZoomStep = 1.25;
// Room left around a fitted bowl, in view pixels; it holds the outlines' pens.
inline constexpr int kFitMargin = 8;

struct ViewPoint {
    double x = 0.0;
    double y = 0.0;
};

// Converts between view and design coordinates with a placement.
ViewPoint DesignToView(const ViewPlacement& placement, double x, double y);
ViewPoint ViewToDesign(const ViewPlacement& placement, double x, double y);

double ClampZoom(double zoom);

// How far the drawing reaches from the bowl centre in design pixels: the
// OD circle and the outermost ring (which the sector outline follows).
double DesignExtent(const BowlModel& model);

// Places the design in a view of width x height with the given tally
// columns. Fit takes the largest zoom at which the whole bowl fits the part
// the columns leave free, and centres it there. Any other zoom centres the
// bowl in the window, as true scale always stood, moved by the scroll when
// it is larger than the view.
ViewPlacement PlaceDesign(const BowlModel& model, int width, int height,
                          const std::array<IntRect, 3>& tallies, const ZoomRequest& request);

// The request that shows the design at another zoom with the design point
// under the view point (x, y) kept where it is.
ZoomRequest ZoomAbout(int width, int height, const ViewPlacement& current, double zoom, double x,
                      double y);

}  // namespace corvane
