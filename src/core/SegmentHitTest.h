#pragma once

#include "BowlModel.h"
#include "ViewLayout.h"

#include <optional>

namespace corvane {

// Maps a click at client point (x, y) to a record index, or nothing, with
// the bowl centre of the view's last paint. shownColor is the colour the
// view shows at that point (alpha ignored).
std::optional<int> HitTestSegment(const BowlModel& model, const ViewLayout& layout, int x, int y,
                                  Argb shownColor);

// Client rectangle enclosing record k with a 2-pixel margin.
IntRect SegmentUpdateRect(const BowlModel& model, const ViewLayout& layout, int k);

// The square that encloses the centre disc.
IntRect CenterDiscRect(const BowlModel& model, const ViewLayout& layout);

}  // namespace corvane
