#pragma once

#include "SegmentProp.h"

#include <array>
#include <string>

namespace corvane {

struct NamedColor {
    Argb value;
    const char* name;
};

// The 65 named colours, in lookup order.
extern const std::array<NamedColor, 65> NamedColorTable;

inline constexpr const char* kCustomColorName = "Custom Colored Wood";

// Name of the table entry equal to all 32 bits of color, else "Custom Colored Wood".
std::string ColorNameOf(Argb color);

// A colour from red, green and blue bytes, made opaque.
Argb ArgbFromRgb(int red, int green, int blue);

// The fifteen wood commands of the fill colour menu, in menu order.
struct WoodCommand {
    int commandId;
    const char* menuText;
    Argb color;
};
extern const std::array<WoodCommand, 15> WoodCommands;

}  // namespace corvane
