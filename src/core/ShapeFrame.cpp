#include "ShapeFrame.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

int placedRows(const BowlModel& model) {
    return std::clamp(model.Rows, 0, kMaxLiveSegments);
}

bool isFinitePoint(const ProfilePoint& p) {
    return std::isfinite(p.radius) && std::isfinite(p.height);
}

// Each list is stretched between its own first and last values; a list
// whose ends coincide keeps the frame's measure, with its ends pinned.
void stretch(std::vector<ProfilePoint>& points, double ProfilePoint::*value, double frameStart,
             double frameEnd) {
    const double first = points.front().*value;
    const double last = points.back().*value;
    const bool ownSpan = last != first;
    const double start = ownSpan ? first : frameStart;
    const double span = ownSpan ? last - first : frameEnd - frameStart;
    for (ProfilePoint& p : points) {
        p.*value = span != 0.0 ? (p.*value - start) / span : 0.0;
    }
    points.front().*value = 0.0;
    points.back().*value = 1.0;
}

}  // namespace

double FloorHeight(const BowlModel& model) {
    return model.Shape.ringHeight;
}

std::vector<RowSpan> RowSpansOf(const BowlModel& model) {
    std::vector<RowSpan> spans;
    const int rows = placedRows(model);
    spans.reserve(static_cast<std::size_t>(rows));
    double bottom = FloorHeight(model);
    for (int row = 1; row <= rows; ++row) {
        const double top = bottom + model.Shape.RowHeight(row);
        spans.push_back({bottom, top});
        bottom = top;
    }
    return spans;
}

double RimHeight(const BowlModel& model) {
    double rim = FloorHeight(model);
    for (int row = 1; row <= placedRows(model); ++row) {
        rim += model.Shape.RowHeight(row);
    }
    return rim;
}

std::vector<ProfilePoint> PlacedProfile(const BowlModel& model) {
    const double inner = model.ID / 2.0;
    const double outer = model.OD / 2.0;
    const double floor = FloorHeight(model);
    const double rim = RimHeight(model);
    std::vector<ProfilePoint> placed;
    placed.reserve(model.Shape.profile.size());
    for (const ProfilePoint& p : model.Shape.profile) {
        placed.push_back({inner + p.radius * (outer - inner), floor + p.height * (rim - floor)});
    }
    return placed;
}

std::vector<ProfilePoint> FitProfile(const BowlModel& model, std::vector<ProfilePoint> inches) {
    std::erase_if(inches, [](const ProfilePoint& p) { return !isFinitePoint(p); });
    std::stable_sort(
        inches.begin(), inches.end(),
        [](const ProfilePoint& a, const ProfilePoint& b) { return a.height < b.height; });
    inches.erase(std::unique(inches.begin(), inches.end(),
                             [](const ProfilePoint& a, const ProfilePoint& b) {
                                 return a.height == b.height;
                             }),
                 inches.end());
    if (inches.size() < 2) {
        return BowlShape::StraightProfile();
    }
    stretch(inches, &ProfilePoint::radius, model.ID / 2.0, model.OD / 2.0);
    stretch(inches, &ProfilePoint::height, FloorHeight(model), RimHeight(model));
    return inches;
}

// A design without rows has no height to spread the profile over: its
// outside is the disc's edge.
BowlProfile ProfileOf(const BowlModel& model) {
    std::vector<ProfilePoint> placed = PlacedProfile(model);
    if (!(RimHeight(model) > FloorHeight(model)) || placed.size() < 2) {
        placed = {{model.ID / 2.0, FloorHeight(model)}};
    }
    return BowlProfile(std::move(placed), model.Shape.wallThickness);
}

std::vector<RingSize> RingSizesOf(const BowlModel& model, double allowance) {
    return ComputeRingSizes(ProfileOf(model), RowSpansOf(model), model.Segments, allowance);
}

LimitError CheckShape(const BowlModel& model) {
    return CheckShape(RingSizesOf(model, 0.0));
}

}  // namespace corvane
