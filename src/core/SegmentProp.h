#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Colours are 0xAARRGGBB; everything the program produces is opaque.
using Argb = std::uint32_t;

inline constexpr Argb kBlankColor = 0xFFFFFFFFu;
inline constexpr Argb kBlackColor = 0xFF000000u;
inline constexpr const char* kBlankName = "blank";

// The segment table has a fixed size: the centre disc plus at most 2047 segments.
inline constexpr int kSegmentTableSize = 2048;
inline constexpr int kMaxLiveSegments = kSegmentTableSize - 1;

struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // Right and bottom edges are outside, as for a client rectangle.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const IntRect&, const IntRect&) = default;
};

// One segment of a ring, or the centre disc (index 0).
// Names are kept as single-byte text: one char per character code 0..255,
// so names read from a design file round-trip byte for byte.
struct SegmentProp {
    IntPoint SegmentCenter;  // pixels from the bowl centre, y downwards
    int SegmentRow = 0;
    int SectorNumber = 0;
    Argb SegmentColor = kBlankColor;
    std::string SegmentColorName = kBlankName;
    double LeftAngle = 0.0;  // degrees, clockwise on screen from the +x axis
    double RightAngle = 0.0;
    double InnerRadius = 0.0;  // screen pixels
    double OuterRadius = 0.0;

    friend bool operator==(const SegmentProp&, const SegmentProp&) = default;
};

struct FillHistoryEntry {
    int SegmentIndex = 0;
    Argb OldColor = kBlankColor;
    friend bool operator==(const FillHistoryEntry&, const FillHistoryEntry&) = default;
};

}  // namespace corvane
