#pragma once

#include "BowlModel.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane {

struct TallyLine {
    IntRect column;
    std::string text;  // single-byte text, as the names are stored
    int x = 0;         // where the text is drawn (left of its top line)
    int y = 0;
    double width = 0.0;  // as measured for the layout
};

struct TallyLayout {
    int lineHeight = 0;    // L
    int usableHeight = 0;  // U
    int linesPerColumn = 0;
    int columnWidth = 0;  // C
    std::array<IntRect, 3> rects{};
    std::vector<TallyLine> lines;
};

// Measures the width of a text in the tally font, in pixels.
using TextWidthFn = std::function<double(const std::string&)>;

// Lays out the per-row tally list for a client area of width x height.
// rowLabelWidth measures a text without a layout box (the row label),
// lineWidth measures a count line in the 1000-wide layout box.
// lineHeightMeasured is the measured height of "Ay"; L = trunc(1.2 * it),
// at least 1 so that the number of lines per column is always defined.
TallyLayout ComputeTallyLayout(const BowlModel& model, int width, int height,
                               double lineHeightMeasured, const TextWidthFn& rowLabelWidth,
                               const TextWidthFn& lineWidth);

std::string FormatRowLabel(int row);
std::string FormatCountLine(int count, const std::string& name);

}  // namespace corvane
