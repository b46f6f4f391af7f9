#include "BowlModel.h"

#include "DesignLimits.h"
#include "NamedColorTable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace corvane {

namespace {

constexpr int kStartupPixelsPerInch = 96;

}  // namespace

BowlModel::BowlModel() {
    ResetAllSegments();
    ComputeGeometry(kStartupPixelsPerInch);
}

int BowlModel::RowOf(int k) const {
    return k <= 0 ? 0 : (k - 1) / std::max(Segments, 1) + 1;
}

std::int64_t BowlModel::FirstRecordOf(int row) const {
    return static_cast<std::int64_t>(row - 1) * Segments + 1;
}

double BowlModel::RingInnerRadius(int row, double pixelsPerInch) const {
    const double ringWidth = (OD - ID) / Rows;
    return ((row - 1) * ringWidth + ID) * 0.5 * pixelsPerInch;
}

double BowlModel::RingOuterRadius(int row, double pixelsPerInch) const {
    const double ringWidth = (OD - ID) / Rows;
    return (row * ringWidth + ID) * 0.5 * pixelsPerInch;
}

double BowlModel::RowBorderRadius(int row, double pixelsPerInch) const {
    return (row * (OD - ID) / Rows + ID) * 0.5 * pixelsPerInch;
}

int BowlModel::LastLiveIndex() const {
    // Two negative counts multiply to a positive product, yet describe no ring.
    if (Rows < 1 || Segments < 1) {
        return 0;
    }
    const std::int64_t last = static_cast<std::int64_t>(Rows) * Segments;
    return static_cast<int>(std::clamp<std::int64_t>(last, 0, kMaxLiveSegments));
}

void BowlModel::ResetAllSegments() {
    SegmentTable.fill(SegmentProp{});
}

void BowlModel::ResetSegmentColor(SegmentProp& segment) {
    segment.SegmentColor = kBlankColor;
    segment.SegmentColorName = kBlankName;
}

void BowlModel::ComputeGeometry(int pixelsPerInch) {
    const double p = pixelsPerInch;
    SegmentProp& disc = SegmentTable[0];
    disc.SegmentCenter = {0, 0};
    disc.SegmentRow = 0;
    disc.SectorNumber = 0;
    disc.LeftAngle = 0.0;
    disc.RightAngle = 360.0;
    disc.InnerRadius = 0.0;
    disc.OuterRadius = ID * 0.5 * p;
    // Without segments no record beyond the disc is written, whatever Rows says.
    if (Rows < 1 || Segments < 1) {
        return;
    }
    const double segmentAngle = 360.0 / Segments;
    for (int i = 1; i <= Rows; ++i) {
        const double inner = RingInnerRadius(i, p);
        const double outer = RingOuterRadius(i, p);
        const double mid = (outer + inner) * 0.5;
        // Every second ring is turned by half a segment to stagger the joints.
        const double offset = (i % 2 == 0) ? segmentAngle * 0.5 : 0.0;
        const std::int64_t firstIndex = FirstRecordOf(i) - 1;
        for (int j = 1; j <= Segments; ++j) {
            if (firstIndex + j > kMaxLiveSegments) {
                return;
            }
            const double right = j * segmentAngle + offset;
            const double left = (j - 1) * segmentAngle + offset;
            const double phi = (right + left) * 0.5 * std::numbers::pi / 180.0;
            SegmentProp& segment = SegmentTable[static_cast<std::size_t>(firstIndex + j)];
            segment.SectorNumber = j;
            segment.SegmentRow = i;
            segment.SegmentCenter = {TruncToInt(std::cos(phi) * mid),
                                     TruncToInt(std::sin(phi) * mid)};
            segment.LeftAngle = left;
            segment.RightAngle = right;
            segment.InnerRadius = inner;
            segment.OuterRadius = outer;
        }
    }
}

void BowlModel::RecountRowTallies() {
    RowTallies.clear();
    const int last = LastLiveIndex();
    for (int k = 0; k <= last; ++k) {
        const SegmentProp& segment = SegmentTable[k];
        ++RowTallies[segment.SegmentRow][segment.SegmentColorName];
    }
}

void BowlModel::FillSegment(int k) {
    if (!IsTableIndex(k)) {
        return;
    }
    SegmentProp& segment = SegmentTable[k];
    FillHistory.push_back({k, segment.SegmentColor});
    segment.SegmentColor = FillColor;
    segment.SegmentColorName = ColorNameOf(FillColor);
}

std::optional<int> BowlModel::UndoLastFill() {
    if (FillHistory.empty()) {
        return std::nullopt;
    }
    const FillHistoryEntry entry = FillHistory.back();
    FillHistory.pop_back();
    // A history read from elsewhere may name a record the table does not have;
    // such an entry is dropped without touching anything.
    if (!IsTableIndex(entry.SegmentIndex)) {
        return std::nullopt;
    }
    SegmentProp& segment = SegmentTable[entry.SegmentIndex];
    segment.SegmentColor = entry.OldColor;
    segment.SegmentColorName = ColorNameOf(entry.OldColor);
    return entry.SegmentIndex;
}

// Every record, not only the live ones: a cleared fill must not come back
// when Rows or Segments grow again, nor be saved with the next file.
std::vector<int> BowlModel::UndoFills(int count) {
    std::vector<int> restored;
    for (int i = 0; i < count && !FillHistory.empty(); ++i) {
        if (const std::optional<int> k = UndoLastFill()) {
            restored.push_back(*k);
        }
    }
    return restored;
}

void BowlModel::ClearAllSegmentColors() {
    for (SegmentProp& segment : SegmentTable) {
        ResetSegmentColor(segment);
    }
    FillHistory.clear();
    RecountRowTallies();
}

}  // namespace corvane
