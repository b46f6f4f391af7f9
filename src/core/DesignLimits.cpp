#include "DesignLimits.h"

#include "SegmentProp.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace corvane {

namespace {

std::string InchesText(double inches) {
    return std::to_string(static_cast<int>(inches));
}

LimitError CheckFontSize(int fontSize) {
    if (fontSize < kMinFontSize || fontSize > kMaxFontSize) {
        return "Font Size must be between " + std::to_string(kMinFontSize) + " and " +
               std::to_string(kMaxFontSize) + ".";
    }
    return std::nullopt;
}

}  // namespace

LimitError CheckTableFits(int rows, int segments) {
    if (rows < 0 && segments < 0) {
        return std::string("Rows and Segments must not both be negative.");
    }
    const std::int64_t used = static_cast<std::int64_t>(rows) * segments;
    if (used > kMaxLiveSegments) {
        return "Rows x Segments must be at most " + std::to_string(kMaxLiveSegments) +
               " (the segment table holds " + std::to_string(kSegmentTableSize) + " records).";
    }
    return std::nullopt;
}

LimitError CheckDiameter(const char* name, double inches) {
    if (!std::isfinite(inches) || std::fabs(inches) > kMaxDiameterInches) {
        return std::string(name) + " must be a number between -" + InchesText(kMaxDiameterInches) +
               " and " + InchesText(kMaxDiameterInches) + " inches.";
    }
    return std::nullopt;
}

LimitError CheckDiameterOrder(double id, double od) {
    if (id < 0.0) {
        return std::string("ID must not be negative.");
    }
    if (id >= od) {
        return std::string("ID must be smaller than OD.");
    }
    return std::nullopt;
}

LimitError CheckFileDesign(double id, double od, int rows, int segments) {
    if (LimitError error = CheckDiameter("ID", id)) {
        return error;
    }
    if (LimitError error = CheckDiameter("OD", od)) {
        return error;
    }
    return CheckTableFits(rows, segments);
}

LimitError CheckBoxDesign(double id, double od, int rows, int segments, int fontSize) {
    if (rows < 1) {
        return std::string("Rows must be at least 1.");
    }
    if (segments < 1) {
        return std::string("Segments per Row must be at least 1.");
    }
    if (LimitError error = CheckFileDesign(id, od, rows, segments)) {
        return error;
    }
    if (LimitError error = CheckDiameterOrder(id, od)) {
        return error;
    }
    return CheckFontSize(fontSize);
}

bool IsUsableRecord(const SegmentProp& record) {
    const auto within = [](double value, double limit) { return std::fabs(value) <= limit; };
    return within(record.LeftAngle, kMaxRecordAngleDegrees) &&
           within(record.RightAngle, kMaxRecordAngleDegrees) &&
           within(record.InnerRadius, kMaxRecordRadiusPixels) &&
           within(record.OuterRadius, kMaxRecordRadiusPixels);
}

int TruncToInt(double value) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(kMax)) {
        return kMax;
    }
    if (value <= static_cast<double>(kMin)) {
        return kMin;
    }
    return static_cast<int>(value);
}

}  // namespace corvane
