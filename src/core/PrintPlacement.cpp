#include "PrintPlacement.h"

#include "DesignLimits.h"

#include <cstdint>

namespace corvane {

namespace {

// The pixel count times the stretch first, then times the scale: the order
// decides the last bit before truncation (800 x 6.24 x 0.9 = 4492.8 -> 4492).
int stretched(int pixels, double printScale) {
    return TruncToInt(pixels * kPrintStretch * printScale);
}

// Integer division truncates toward zero, so an odd negative difference
// rounds toward zero too ((4961 - 4992) / 2 = -15). Done in 64 bits so a
// saturated picture size cannot overflow the subtraction.
int centredOffset(int available, int needed) {
    return static_cast<int>((static_cast<std::int64_t>(available) - needed) / 2);
}

}  // namespace

PrintPlacement ComputePrintPlacement(int pictureWidth, int pictureHeight, double printScale,
                                     int printableWidth, int printableHeight) {
    PrintPlacement placement;
    placement.width = stretched(pictureWidth, printScale);
    placement.height = stretched(pictureHeight, printScale);
    placement.x = centredOffset(printableWidth, placement.width);
    placement.y = centredOffset(printableHeight, placement.height);
    return placement;
}

}  // namespace corvane
