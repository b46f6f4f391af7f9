#include "TallyLayout.h"

#include "DesignLimits.h"

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {

constexpr int kTextIndent = 10;   // a row label stands this far inside its column
constexpr int kCountIndent = 20;  // count lines stand further in than their label
constexpr int kColumnPadding = 60;
constexpr int kColumnGap = 5;
constexpr int kBottomMargin = 23;
constexpr const char* kBlankLine = " blank";

int SaturatedInt(std::int64_t value) {
    return TruncToInt(static_cast<double>(value));
}

double WidestText(const BowlModel& model, const TextWidthFn& rowLabelWidth,
                  const TextWidthFn& lineWidth) {
    double widest = rowLabelWidth(FormatRowLabel(model.Rows));
    // Row 0 (the centre disc) is never listed but takes part in the width.
    for (const auto& [row, counts] : model.RowTallies) {
        for (const auto& [name, count] : counts) {
            widest = std::max(widest, lineWidth(FormatCountLine(count, name)));
        }
    }
    if (model.RowTallies.empty()) {
        widest = std::max(widest, lineWidth(kBlankLine));
    }
    return widest;
}

// Lays the lines out column by column. A row is never split: it moves whole to
// the next column when the rest of the current one is too short; the third
// column takes everything that is left, running on below its bottom edge.
class ColumnFiller {
public:
    ColumnFiller(TallyLayout& layout, int width, int height)
        : layout_(layout),
          width_(width),
          height_(height),
          current_(layout.rects[0]),
          drawRect_(layout.rects[0]) {}

    // False once every further line would start below the client area.
    bool StartRow(int linesNeeded) {
        const std::int64_t freeLines = layout_.linesPerColumn - y_ / layout_.lineHeight;
        if (freeLines < linesNeeded) {
            y_ = 0;
            NextColumn();
        }
        // In the third column lines only move further down, so once one starts
        // below the client area none of the rest can be seen.
        const std::int64_t nextDrawY = current_ == drawRect_ ? drawY_ : 0;
        return !(columnCount_ >= 2 && nextDrawY >= height_);
    }

    void Append(const std::string& text, double width) {
        if (!(current_ == drawRect_)) {
            drawRect_ = current_;
            drawX_ = static_cast<std::int64_t>(current_.left) + kTextIndent;
            drawY_ = 0;
        }
        const std::int64_t x = text.starts_with(' ') ? drawX_ + kCountIndent : drawX_;
        layout_.lines.push_back({current_, text, SaturatedInt(x), SaturatedInt(drawY_), width});
        drawY_ += layout_.lineHeight;
        y_ += layout_.lineHeight;
    }

private:
    void NextColumn() {
        const int c = layout_.columnWidth;
        const int u = layout_.usableHeight;
        ++columnCount_;
        if (columnCount_ == 1) {
            layout_.rects[1] = {SaturatedInt(std::int64_t{width_} - c), 0, width_, u};
            current_ = layout_.rects[1];
        } else if (columnCount_ == 2) {
            layout_.rects[2] = {c + kColumnGap, 0, SaturatedInt(2 * std::int64_t{c} + kColumnGap),
                                u};
            current_ = layout_.rects[2];
        }
    }

    TallyLayout& layout_;
    int width_;
    int height_;
    IntRect current_;
    std::int64_t y_ = 0;
    int columnCount_ = 0;
    IntRect drawRect_;
    std::int64_t drawX_ = kTextIndent;
    std::int64_t drawY_ = 0;
};

void SetColumnMeasures(TallyLayout& layout, int width, int height, double widest) {
    const std::int64_t padded = std::int64_t{TruncToInt(widest)} + kColumnPadding;
    layout.columnWidth = SaturatedInt(std::min<std::int64_t>(padded, width / 4));
    layout.usableHeight = SaturatedInt(std::int64_t{height} - kBottomMargin);
    layout.linesPerColumn = layout.usableHeight / layout.lineHeight;
    layout.rects = {IntRect{0, 0, layout.columnWidth, layout.usableHeight}, IntRect{}, IntRect{}};
}

}  // namespace

TallyLayout ComputeTallyLayout(const BowlModel& model, int width, int height,
                               double lineHeightMeasured, const TextWidthFn& rowLabelWidth,
                               const TextWidthFn& lineWidth) {
    TallyLayout layout;
    // A font measuring under 1/1.2 pixel would leave no line height to divide by.
    layout.lineHeight = std::max(1, TruncToInt(lineHeightMeasured * 1.2));
    SetColumnMeasures(layout, width, height, WidestText(model, rowLabelWidth, lineWidth));

    ColumnFiller filler(layout, width, height);
    for (int row = 1; row <= model.Rows; ++row) {
        const auto counts = model.RowTallies.find(row);
        const bool counted = counts != model.RowTallies.end();
        const std::int64_t needed = counted ? std::int64_t(counts->second.size()) + 1 : 2;
        if (!filler.StartRow(SaturatedInt(needed))) {
            break;
        }
        const std::string label = FormatRowLabel(row);
        filler.Append(label, rowLabelWidth(label));
        if (!counted) {
            filler.Append(kBlankLine, lineWidth(kBlankLine));
            continue;
        }
        for (const auto& [name, count] : counts->second) {
            const std::string line = FormatCountLine(count, name);
            filler.Append(line, lineWidth(line));
        }
    }
    return layout;
}

std::string FormatRowLabel(int row) {
    return "Row " + std::to_string(row) + ":";
}

std::string FormatCountLine(int count, const std::string& name) {
    return " " + std::to_string(count) + " " + name;
}

}  // namespace corvane
