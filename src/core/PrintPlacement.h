#pragma once

namespace corvane {

// Printer pixels per screen pixel: a 96 pixels-per-inch picture comes out at
// true size on a 600 dots-per-inch page (96 x 6.24 = 599.04).
inline constexpr double kPrintStretch = 6.24;

// Where the view's picture lands on the printable area, in printer pixels.
// x and y are negative when the picture is larger than the area: it stays
// centred and its edges fall off the page.
struct PrintPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PrintPlacement&) const = default;
};

// pictureWidth x pictureHeight screen pixels stretched by kPrintStretch and
// printScale (truncated toward zero), centred on a printable area of
// printableWidth x printableHeight printer pixels.
PrintPlacement ComputePrintPlacement(int pictureWidth, int pictureHeight, double printScale,
                                     int printableWidth, int printableHeight);

}  // namespace corvane
