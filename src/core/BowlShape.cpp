#include "BowlShape.h"

#include "CutList.h"
#include "NumberText.h"

#include <cmath>

namespace corvane {

namespace {

LimitError CheckPositiveLength(const char* name, double inches, double maxInches) {
    if (std::isfinite(inches) && inches > 0.0 && inches <= maxInches) {
        return std::nullopt;
    }
    return std::string(name) + " must be above 0 and at most " + FormatFixed(maxInches, 0) +
           " in (" + FormatFixed(maxInches * kMillimetresPerInch, 1) + " mm).";
}

}  // namespace

LimitError CheckRingHeight(double inches) {
    return CheckPositiveLength("Ring height", inches, kMaxRingHeightInches);
}

LimitError CheckWallThickness(double inches) {
    return CheckPositiveLength("Wall thickness", inches, kMaxWallThicknessInches);
}

}  // namespace corvane
