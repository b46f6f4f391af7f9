#include "BowlShape.h"

#include "CutList.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// The limit in millimetres as the message shows it: to a tenth.
double ShownMillimetres(double inches) {
    return std::round(inches * kMillimetresPerInch * 10.0) / 10.0;
}

std::string LimitMessage(const char* name, double maxInches) {
    return std::string(name) + " must be above 0 and at most " + FormatFixed(maxInches, 0) +
           " in (" + FormatFixed(ShownMillimetres(maxInches), 1) + " mm).";
}

LimitError CheckPositiveLength(const char* name, double inches, double maxInches) {
    if (std::isfinite(inches) && inches > 0.0 && inches <= maxInches) {
        return std::nullopt;
    }
    return LimitMessage(name, maxInches);
}

TypedLength ReadPositiveLength(const char* name, double typed, LengthUnit unit, double maxInches) {
    const double limit = unit == LengthUnit::Millimetres ? ShownMillimetres(maxInches) : maxInches;
    if (!(std::isfinite(typed) && typed > 0.0 && typed <= limit)) {
        return {0.0, LimitMessage(name, maxInches)};
    }
    return {std::min(ToInches(typed, unit), maxInches), std::nullopt};
}

}  // namespace

double BowlShape::RowHeight(int row) const {
    const auto own = rowHeights.find(row);
    return own == rowHeights.end() ? ringHeight : own->second;
}

TypedLength ReadRingHeight(double typed, LengthUnit unit) {
    return ReadPositiveLength("Ring height", typed, unit, kMaxRingHeightInches);
}

TypedLength ReadWallThickness(double typed, LengthUnit unit) {
    return ReadPositiveLength("Wall thickness", typed, unit, kMaxWallThicknessInches);
}

LimitError CheckRingHeight(double inches) {
    return CheckPositiveLength("Ring height", inches, kMaxRingHeightInches);
}

LimitError CheckWallThickness(double inches) {
    return CheckPositiveLength("Wall thickness", inches, kMaxWallThicknessInches);
}

}  // namespace corvane
