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

TypedLength ReadRowHeight(double typed, LengthUnit unit) {
    return ReadPositiveLength("Row height", typed, unit, kMaxRingHeightInches);
}

TypedLength ReadWallThickness(double typed, LengthUnit unit) {
    return ReadPositiveLength("Wall thickness", typed, unit, kMaxWallThicknessInches);
}

namespace {

TypedLength ReadProfileLength(const char* name, double typed, LengthUnit unit) {
    const double maxInches = kMaxDiameterInches / 2.0;
    const double limit = unit == LengthUnit::Millimetres ? ShownMillimetres(maxInches) : maxInches;
    if (!(std::isfinite(typed) && typed >= 0.0 && typed <= limit)) {
        return {0.0, std::string(name) + " must be at least 0 and at most " +
                         FormatFixed(maxInches, 0) + " in (" +
                         FormatFixed(ShownMillimetres(maxInches), 1) + " mm)."};
    }
    return {std::min(ToInches(typed, unit), maxInches), std::nullopt};
}

}  // namespace

TypedLength ReadProfileRadius(double typed, LengthUnit unit) {
    return ReadProfileLength("Radius", typed, unit);
}

TypedLength ReadProfileHeight(double typed, LengthUnit unit) {
    return ReadProfileLength("Height", typed, unit);
}

// A bowl rises steeply from its foot and opens out towards the rim; a
// closed form swells beyond its rim and draws in again.
std::vector<ProfilePoint> StartingProfile(StartingShape shape) {
    switch (shape) {
        case StartingShape::Bowl:
            return {{0.0, 0.0}, {0.45, 0.25}, {0.8, 0.6}, {1.0, 1.0}};
        case StartingShape::ClosedForm:
            return {{0.0, 0.0}, {1.25, 0.55}, {1.0, 1.0}};
        case StartingShape::StraightWall:
            break;
    }
    return BowlShape::StraightProfile();
}

LimitError CheckRingHeight(double inches) {
    return CheckPositiveLength("Ring height", inches, kMaxRingHeightInches);
}

LimitError CheckWallThickness(double inches) {
    return CheckPositiveLength("Wall thickness", inches, kMaxWallThicknessInches);
}

}  // namespace corvane
