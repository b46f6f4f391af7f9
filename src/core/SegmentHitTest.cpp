#include "SegmentHitTest.h"

#include "DesignLimits.h"
#include "DesignPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace corvane {

namespace {

double DistanceFromCenter(const ViewLayout& layout, ViewPoint point) {
    const double dx = point.x - layout.CenterX;
    const double dy = point.y - layout.CenterY;
    return std::sqrt(dx * dx + dy * dy);
}

// A click on a segment that already shows the fill colour, or on an outline,
// must not add a history entry.
bool IsPixelRefused(const BowlModel& model, Argb shownColor) {
    const Argb shown = shownColor | kBlackColor;
    return shown == (model.FillColor | kBlackColor) || shown == kBlackColor;
}

// Ring borders come from the parameters, not from the stored radii, which may
// be those of another screen when the design was opened from a file. Searching
// outwards gives a click exactly on a border to the inner row.
std::optional<int> FindRow(const BowlModel& model, double d) {
    const double p = model.PixelsPerInch;
    for (int i = 1; i <= model.Rows; ++i) {
        if (model.FirstRecordOf(i) > kMaxLiveSegments) {
            break;
        }
        const double lo = model.RowBorderRadius(i - 1, p);
        const double hi = model.RowBorderRadius(i, p);
        if (lo <= d && d <= hi) {
            return i;
        }
    }
    return std::nullopt;
}

// A record that is not drawn is not hit either: the click shows the
// background there, and no neighbour takes it instead.
std::optional<int> UsableIndex(const BowlModel& model, int k) {
    if (!IsUsableRecord(model.SegmentTable[static_cast<std::size_t>(k)])) {
        return std::nullopt;
    }
    return k;
}

std::optional<int> NearestSegmentInRow(const BowlModel& model, const ViewLayout& layout, int row,
                                       ViewPoint point) {
    const int first = static_cast<int>(model.FirstRecordOf(row));
    const int last = std::min(row * model.Segments, kMaxLiveSegments);
    double best = std::numeric_limits<double>::max();
    std::optional<int> nearest;
    for (int j = first; j <= last; ++j) {
        const IntPoint& offset = model.SegmentTable[j].SegmentCenter;
        const double dx = point.x - (static_cast<double>(layout.CenterX) + offset.x);
        const double dy = point.y - (static_cast<double>(layout.CenterY) + offset.y);
        const double distance = std::sqrt(dx * dx + dy * dy);
        // Strictly smaller: of equal distances the lowest index wins.
        if (distance < best) {
            best = distance;
            nearest = j;
        }
    }
    return nearest;
}

struct FloatBox {
    float minX = std::numeric_limits<float>::max();
    float minY = std::numeric_limits<float>::max();
    float maxX = std::numeric_limits<float>::lowest();
    float maxY = std::numeric_limits<float>::lowest();

    void Take(float x, float y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

constexpr float kDegreesToRadians = 0.017453292519943295f;
constexpr float kTwoPi = 6.28318530717958647692f;
constexpr float kHalfPi = kTwoPi / 4.0f;
// The disc's span must cover the whole circle; 360 itself would wrap to an empty span.
constexpr float kDiscEndDegrees = 359.9999f;

bool IsDirectionInSpan(float direction, float start, float end) {
    return std::fmod(direction - start + kTwoPi, kTwoPi) <= std::fmod(end - start + kTwoPi, kTwoPi);
}

void TakeArc(FloatBox& box, float start, float end, float radius, float cx, float cy) {
    box.Take(std::cos(start) * radius + cx, std::sin(start) * radius + cy);
    box.Take(std::cos(end) * radius + cx, std::sin(end) * radius + cy);
    // Directions clockwise on screen: right, down, left, up.
    if (IsDirectionInSpan(0.0f, start, end)) {
        box.maxX = std::max(box.maxX, cx + radius);
    }
    if (IsDirectionInSpan(kHalfPi, start, end)) {
        box.maxY = std::max(box.maxY, cy + radius);
    }
    if (IsDirectionInSpan(2.0f * kHalfPi, start, end)) {
        box.minX = std::min(box.minX, cx - radius);
    }
    if (IsDirectionInSpan(3.0f * kHalfPi, start, end)) {
        box.minY = std::min(box.minY, cy - radius);
    }
}

bool IsOnTallies(const ViewLayout& layout, int x, int y) {
    return std::any_of(layout.TallyRects.begin(), layout.TallyRects.end(),
                       [&](const IntRect& column) { return column.Contains(x, y); });
}

}  // namespace

std::optional<int> HitTestSegment(const BowlModel& model, const ViewLayout& layout, int x, int y,
                                  Argb shownColor) {
    if (IsOnTallies(layout, x, y)) {
        return std::nullopt;
    }
    const ViewPoint point = ViewToDesign(layout.Placement, x, y);
    const double d = DistanceFromCenter(layout, point);
    if (d > model.OD * 0.5 * model.PixelsPerInch) {
        return std::nullopt;
    }
    if (IsPixelRefused(model, shownColor)) {
        return std::nullopt;
    }
    if (d <= model.ID * 0.5 * model.PixelsPerInch) {
        return UsableIndex(model, 0);
    }
    if (model.Segments < 1) {
        return std::nullopt;
    }
    const std::optional<int> row = FindRow(model, d);
    if (!row) {
        return std::nullopt;
    }
    const std::optional<int> nearest = NearestSegmentInRow(model, layout, *row, point);
    return nearest ? UsableIndex(model, *nearest) : std::nullopt;
}

IntRect SegmentUpdateRect(const BowlModel& model, const ViewLayout& layout, int k) {
    if (!BowlModel::IsTableIndex(k)) {
        return {};
    }
    const SegmentProp& segment = model.SegmentTable[k];
    const float start = static_cast<float>(segment.LeftAngle) * kDegreesToRadians;
    const float endDegrees = k == 0 ? kDiscEndDegrees : static_cast<float>(segment.RightAngle);
    const float end = endDegrees * kDegreesToRadians;
    const float cx = static_cast<float>(layout.CenterX);
    const float cy = static_cast<float>(layout.CenterY);
    FloatBox box;
    TakeArc(box, start, end, static_cast<float>(segment.InnerRadius), cx, cy);
    TakeArc(box, start, end, static_cast<float>(segment.OuterRadius), cx, cy);
    // The margin takes in the anti-aliased edge and the joint lines drawn over it.
    return {TruncToInt(std::floor(box.minX) - 2.0), TruncToInt(std::floor(box.minY) - 2.0),
            TruncToInt(std::ceil(box.maxX) + 2.0), TruncToInt(std::ceil(box.maxY) + 2.0)};
}

IntRect CenterDiscRect(const BowlModel& model, const ViewLayout& layout) {
    const double r = model.SegmentTable[0].OuterRadius;
    return {TruncToInt(layout.CenterX - r), TruncToInt(layout.CenterY - r),
            TruncToInt(layout.CenterX + r), TruncToInt(layout.CenterY + r)};
}

}  // namespace corvane
