#pragma once

#include "SegmentProp.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Colour name -> count; std::string compares bytes as unsigned values, which
// gives the ordinal order (upper-case names before "blank").
using ColorCounts = std::map<std::string, int>;
using RowTallyMap = std::map<int, ColorCounts>;

// The whole state of one design. The program keeps exactly one instance
// (BowlModel::instance()); tests and the staged file reader make their own copies.
class BowlModel {
public:
    BowlModel();

    static BowlModel& instance();

    // Design parameters.
    double ID = 3.5;
    double OD = 8.1;
    int Rows = 8;
    int Segments = 24;
    int FontSize = 12;
    double PrintScale = 1.0;

    std::array<SegmentProp, kSegmentTableSize> SegmentTable;
    std::vector<FillHistoryEntry> FillHistory;
    RowTallyMap RowTallies;

    Argb FillColor = 0xFF8B4513u;  // Walnut
    int PixelsPerInch = 96;
    int SymmetrySectors = 0;

    // Left behind by every paint; read by the click, undo and symmetric fill code.
    int CenterX = 0;
    int CenterY = 0;
    std::array<IntRect, 3> TallyRects{};
    float SectorStartAngle = 0.0f;
    float SectorEndAngle = 0.0f;
    float OuterSectorStartAngle = 0.0f;
    float OuterSectorEndAngle = 0.0f;

    // True for an index that addresses a record of SegmentTable.
    static bool IsTableIndex(int k) { return k >= 0 && k < kSegmentTableSize; }

    // Index of the last live record: Rows * Segments, never beyond the table;
    // 0 (the disc alone) when Rows or Segments is below 1.
    int LastLiveIndex() const;

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
};

}  // namespace corvane
