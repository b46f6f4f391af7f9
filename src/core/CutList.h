#pragma once

#include "BowlModel.h"
#include "BowlShape.h"

#include <string>
#include <vector>

namespace corvane {

// What the woodworker takes to the saw: for every row the angles and
// lengths of one segment, and how many segments of each wood to cut.
// Lengths are kept in inches; units only matter when they are shown.

enum class LengthUnit { Inches, Millimetres };

inline constexpr double kDefaultKerfInches = 0.125;
// A saw kerf is from 0 to 1 in (25.4 mm).
inline constexpr double kMaxKerfInches = 1.0;
LimitError CheckKerf(double inches);
// Wood left on each side of the turned wall, for the lathe to take off.
inline constexpr double kDefaultAllowanceInches = 0.125;
// From 0 to 1 in (25.4 mm), like the kerf.
inline constexpr double kMaxAllowanceInches = 1.0;
LimitError CheckAllowance(double inches);
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCubicInchesPerBoardFoot = 144.0;
inline constexpr double kLitresPerCubicInch = 0.016387064;
inline constexpr const char* kNotChosenName = "not yet chosen";

struct WoodCount {
    std::string name;  // as the tallies count it; "blank" becomes kNotChosenName
    int count = 0;
    double stripLength = 0.0;  // count x (outer length + kerf)
};

// A row's ring is cut with the turning allowance on both sides of its turned
// wall: the diameters are those of the cut ring, the outer one across the
// flats, the inner one across the inner corners.
struct CutListRow {
    int row = 0;
    double innerDiameter = 0.0;
    double outerDiameter = 0.0;
    double turnedInnerDiameter = 0.0;  // never below 0
    double turnedOuterDiameter = 0.0;
    double ringHeight = 0.0;  // the row's own
    int segments = 0;
    bool hasSegments = false;  // false when Segments < 1: no angles or lengths
    double wedgeAngle = 0.0;   // degrees
    double miterAngle = 0.0;   // degrees from square, at each end of a segment
    double outerLength = 0.0;  // the outer flat lies on the outer cut circle
    double innerLength = 0.0;  // the inner corners lie on the inner cut circle
    double boardWidth = 0.0;
    std::vector<WoodCount> woods;
};

// The board stock of one wood: for the rings, boards as wide as the widest
// row needs and as long as all its strips together, each strip as thick as
// its row; the disc, when it is of this wood, is one more piece, a square
// blank as wide as the disc.
struct WoodSummary {
    std::string name;
    int segments = 0;  // pieces, the disc counted
    double stripLength = 0.0;
    double widestBoard = 0.0;
    double thickestBoard = 0.0;
    double volume = 0.0;  // cubic inches
};

struct CutList {
    // Why no rows can be cut from this design (diameters the parameters box
    // would refuse, which only a design file brings); empty when they can.
    // A refused list has no rows and no summary.
    std::string refusal;
    double kerf = kDefaultKerfInches;
    double allowance = kDefaultAllowanceInches;
    double ringHeight = kDefaultRingHeightInches;  // the disc, and every row without its own
    double discDiameter = 0.0;                     // cut: the floor's outside and the allowance
    double discTurnedDiameter = 0.0;
    std::string discWood;
    std::vector<CutListRow> rows;
    std::vector<WoodSummary> summary;
};

// Counts come from the records of each row as the table lays them out, so
// every row lists exactly Segments pieces; for every design the program
// saves they are the view's tallies. The rings follow the design's shape.
CutList ComputeCutList(const BowlModel& model, double kerfInches,
                       double allowanceInches = kDefaultAllowanceInches);

std::string FormatLength(double inches, LengthUnit unit);
// Board feet for inches, litres for millimetres.
std::string FormatVolume(double cubicInches, LengthUnit unit);
const char* VolumeLabel(LengthUnit unit);  // "board feet" or "litres"
std::string FormatAngle(double degrees);
const char* UnitLabel(LengthUnit unit);  // "in" or "mm"
double ToInches(double value, LengthUnit unit);
double ToUnit(double inches, LengthUnit unit);

// One table of text cells, used for the panel, the CSV file and printing alike.
using CutListTable = std::vector<std::vector<std::string>>;
CutListTable CutListRowTable(const CutList& list, LengthUnit unit);  // header first
CutListTable CutListSummaryTable(const CutList& list, LengthUnit unit);

// The whole cut list as CSV text with CR LF line ends.
std::string FormatCutListCsv(const CutList& list, LengthUnit unit);

}  // namespace corvane
