#pragma once

#include "BowlModel.h"
#include "ViewLayout.h"

#include <optional>

namespace corvane {

// Maps a click at client point (x, y) to a record index, or nothing, with
// the layout of the view's last paint: the point is taken back to design
// coordinates through its zoom and scroll and tested there. A click on one
// of the tally columns hits nothing: the segment under a column cannot be
// seen. shownColor is the colour the view shows at that point (alpha ignored).
std::optional<int> HitTestSegment(const BowlModel& model, const ViewLayout& layout, int x, int y,
                                  Argb shownColor);

// Rectangle in design coordinates enclosing record k with a 2-pixel margin.
IntRect SegmentUpdateRect(const BowlModel& model, const ViewLayout& layout, int k);

// The square that encloses the centre disc.
IntRect CenterDiscRect(const BowlModel& model, const ViewLayout& layout);

}  // namespace corvane
