#pragma once

#include "BowlShape.h"
#include "SegmentProp.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Colour name -> count; std::string compares bytes as unsigned values, which
// gives the ordinal order (upper-case names before "blank").
using ColorCounts = std::map<std::string, int>;
using RowTallyMap = std::map<int, ColorCounts>;

// The whole state of one design. In the program it is owned by the design
// document, through which every change goes; the file reader, the command
// line and tests work on copies of their own.
class BowlModel {
public:
    BowlModel();

    // Design parameters.
    double ID = 3.5;
    double OD = 8.1;
    int Rows = 8;
    int Segments = 24;
    int FontSize = 12;
    double PrintScale = 1.0;
    // The bowl to turn: ring heights, wall and profile; saved with the design.
    BowlShape Shape;

    std::array<SegmentProp, kSegmentTableSize> SegmentTable;
    std::vector<FillHistoryEntry> FillHistory;
    RowTallyMap RowTallies;

    Argb FillColor = 0xFF8B4513u;  // Walnut
    int PixelsPerInch = 96;
    int SymmetrySectors = 0;

    // True for an index that addresses a record of SegmentTable.
    static bool IsTableIndex(int k) { return k >= 0 && k < kSegmentTableSize; }

    // Index of the last live record: Rows * Segments, never beyond the table;
    // 0 (the disc alone) when Rows or Segments is below 1.
    int LastLiveIndex() const;

    // Row of record k (0 for the disc), with the current Segments (at least 1).
    int RowOf(int k) const;
    // Index of the first record of row (1-based); may lie beyond the table.
    std::int64_t FirstRecordOf(int row) const;
    // Radii of row i's ring circles in pixels at pixelsPerInch, as the
    // geometry computes them: the rows are rings of equal width from ID to OD.
    double RingInnerRadius(int row, double pixelsPerInch) const;
    double RingOuterRadius(int row, double pixelsPerInch) const;
    // The border between rows i and i + 1 (row 0: the ID circle) as the click
    // test finds rows. It divides in another order than the geometry, so a
    // border may differ from a stored radius in the last bit.
    double RowBorderRadius(int row, double pixelsPerInch) const;

    // Resets every record of the table to an unfilled, geometry-free segment.
    void ResetAllSegments();
    static void ResetSegmentColor(SegmentProp& segment);

    // Fills the geometry fields of records 0..Rows*Segments.
    void ComputeGeometry(int pixelsPerInch);

    // Rebuilds RowTallies from records 0..Rows*Segments.
    void RecountRowTallies();

    // Fill history operations. FillSegment records the old colour and stores
    // FillColor with its name in record k.
    void FillSegment(int k);
    // Reverts the newest history entry; returns the index it restored.
    std::optional<int> UndoLastFill();
    // Up to count undos, stopping when the history runs out; the indices
    // restored, newest fill first.
    std::vector<int> UndoFills(int count);
    // Blanks every record of the table and forgets the history.
    void ClearAllSegmentColors();

    friend bool operator==(const BowlModel&, const BowlModel&) = default;
};

}  // namespace corvane
