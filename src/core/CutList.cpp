#include "CutList.h"

#include "CsvField.h"
#include "NumberText.h"
#include "ShapeFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>

namespace corvane {

namespace {

std::string shownName(const std::string& name) {
    return name == kBlankName ? std::string(kNotChosenName) : name;
}

// The names of the records that row r holds in the table. A file with only
// the parameters leaves the records of the design before it, whose rows
// need not be these; the table's layout still says which records make a row.
ColorCounts countsOfRow(const BowlModel& model, int r) {
    if (model.Segments < 1) {
        return ColorCounts{{kBlankName, 0}};
    }
    const std::int64_t first = std::int64_t{r - 1} * model.Segments + 1;
    const std::int64_t last = std::min<std::int64_t>(first + model.Segments - 1, kMaxLiveSegments);
    ColorCounts counts;
    for (std::int64_t k = first; k <= last; ++k) {
        ++counts[model.SegmentTable[static_cast<std::size_t>(k)].SegmentColorName];
    }
    return counts;
}

CutListRow makeRow(const BowlModel& model, int r, const RingSize& ring, double kerf) {
    CutListRow row;
    row.row = r;
    row.innerDiameter = 2.0 * ring.cutInnerRadius;
    row.outerDiameter = 2.0 * ring.cutOuterRadius;
    row.turnedInnerDiameter = std::max(2.0 * ring.insideRadius, 0.0);
    row.turnedOuterDiameter = 2.0 * ring.outsideRadius;
    row.ringHeight = model.Shape.RowHeight(r);
    row.segments = model.Segments;
    if (model.Segments >= 1) {
        row.hasSegments = true;
        row.wedgeAngle = 360.0 / model.Segments;
        row.miterAngle = 180.0 / model.Segments;
        row.outerLength = ring.outerLength;
        row.innerLength = ring.innerLength;
        row.boardWidth = ring.boardWidth;
    }
    for (const auto& [name, count] : countsOfRow(model, r)) {
        row.woods.push_back({shownName(name), count, count * (row.outerLength + kerf)});
    }
    return row;
}

// The rings' strips on boards as wide as the widest row of the wood, each as
// thick as its row; the disc as a square blank of its own.
std::vector<WoodSummary> summarise(const CutList& list) {
    std::map<std::string, WoodSummary> byName;
    std::map<std::string, double> ringStock;  // thickness x length, summed
    for (const CutListRow& row : list.rows) {
        for (const WoodCount& wood : row.woods) {
            WoodSummary& summary = byName[wood.name];
            summary.name = wood.name;
            summary.segments += wood.count;
            summary.stripLength += wood.stripLength;
            summary.widestBoard = std::max(summary.widestBoard, row.boardWidth);
            summary.thickestBoard = std::max(summary.thickestBoard, row.ringHeight);
            ringStock[wood.name] += row.ringHeight * wood.stripLength;
        }
    }
    for (auto& [name, wood] : byName) {
        wood.volume = wood.widestBoard * ringStock[name];
    }
    WoodSummary& disc = byName[list.discWood];
    const double discLength = list.discDiameter + list.kerf;
    disc.name = list.discWood;
    disc.segments += 1;
    disc.stripLength += discLength;
    disc.widestBoard = std::max(disc.widestBoard, list.discDiameter);
    disc.thickestBoard = std::max(disc.thickestBoard, list.ringHeight);
    disc.volume += list.ringHeight * list.discDiameter * discLength;
    std::vector<WoodSummary> result;
    for (auto& entry : byName) {
        result.push_back(std::move(entry.second));
    }
    return result;
}

std::string discWoodOf(const BowlModel& model) {
    return shownName(model.SegmentTable[0].SegmentColorName);
}

// The parameters box's own limits on the diameters.
std::string refusalOf(const BowlModel& model) {
    LimitError error = CheckDiameter("ID", model.ID);
    if (!error) {
        error = CheckDiameter("OD", model.OD);
    }
    if (!error) {
        error = CheckDiameterOrder(model.ID, model.OD);
    }
    return error ? "No cut list for this design: " + *error : std::string();
}

}  // namespace

CutList ComputeCutList(const BowlModel& model, double kerfInches, double allowanceInches) {
    CutList list;
    list.kerf = kerfInches;
    list.allowance = allowanceInches;
    list.ringHeight = model.Shape.ringHeight;
    list.discWood = discWoodOf(model);
    list.refusal = refusalOf(model);
    if (!list.refusal.empty()) {
        return list;
    }
    const BowlProfile profile = ProfileOf(model);
    list.discTurnedDiameter = 2.0 * profile.radius(FloorHeight(model));
    list.discDiameter = list.discTurnedDiameter + 2.0 * allowanceInches;
    // Rows beyond the table cannot hold segments; a design file may still name them.
    const std::vector<RingSize> rings =
        ComputeRingSizes(profile, RowSpansOf(model), model.Segments, allowanceInches);
    for (std::size_t i = 0; i < rings.size(); ++i) {
        list.rows.push_back(makeRow(model, static_cast<int>(i) + 1, rings[i], kerfInches));
    }
    list.summary = summarise(list);
    return list;
}

double ToInches(double value, LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? value / kMillimetresPerInch : value;
}

double ToUnit(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? inches * kMillimetresPerInch : inches;
}

std::string FormatLength(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? FormatFixed(inches * kMillimetresPerInch, 1)
                                           : FormatFixed(inches, 3);
}

std::string FormatVolume(double cubicInches, LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? FormatFixed(cubicInches * kLitresPerCubicInch, 3)
                                           : FormatFixed(cubicInches / kCubicInchesPerBoardFoot, 3);
}

const char* VolumeLabel(LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? "litres" : "board feet";
}

std::string FormatAngle(double degrees) {
    return FormatFixed(degrees, 2);
}

const char* UnitLabel(LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? "mm" : "in";
}

CutListTable CutListRowTable(const CutList& list, LengthUnit unit) {
    const std::string u = std::string(" (") + UnitLabel(unit) + ")";
    CutListTable table{{"Row", "Inner Diameter" + u, "Outer Diameter" + u,
                        "Turned Inner Diameter" + u, "Turned Outer Diameter" + u, "Segments",
                        "Wedge Angle (deg)", "Miter Angle from Square (deg)", "Outer Length" + u,
                        "Inner Length" + u, "Board Width" + u, "Ring Height" + u, "Wood", "Count",
                        "Strip Length" + u}};
    table.push_back({"Disc", "", FormatLength(list.discDiameter, unit), "",
                     FormatLength(list.discTurnedDiameter, unit), "1", "", "", "", "", "",
                     FormatLength(list.ringHeight, unit), list.discWood, "1", ""});
    for (const CutListRow& row : list.rows) {
        const auto measure = [&](double inches) {
            return row.hasSegments ? FormatLength(inches, unit) : std::string();
        };
        const std::vector<std::string> shape = {std::to_string(row.row),
                                                FormatLength(row.innerDiameter, unit),
                                                FormatLength(row.outerDiameter, unit),
                                                FormatLength(row.turnedInnerDiameter, unit),
                                                FormatLength(row.turnedOuterDiameter, unit),
                                                std::to_string(row.segments),
                                                row.hasSegments ? FormatAngle(row.wedgeAngle) : "",
                                                row.hasSegments ? FormatAngle(row.miterAngle) : "",
                                                measure(row.outerLength),
                                                measure(row.innerLength),
                                                measure(row.boardWidth),
                                                FormatLength(row.ringHeight, unit)};
        for (const WoodCount& wood : row.woods) {
            std::vector<std::string> line = shape;
            line.push_back(wood.name);
            line.push_back(std::to_string(wood.count));
            line.push_back(measure(wood.stripLength));
            table.push_back(std::move(line));
        }
    }
    return table;
}

CutListTable CutListSummaryTable(const CutList& list, LengthUnit unit) {
    const std::string u = std::string(" (") + UnitLabel(unit) + ")";
    CutListTable table{{"Wood", "Segments", "Total Strip Length" + u, "Widest Board Width" + u,
                        "Board Thickness" + u,
                        std::string("Board Volume (") + VolumeLabel(unit) + ")"}};
    for (const WoodSummary& wood : list.summary) {
        table.push_back({wood.name, std::to_string(wood.segments),
                         FormatLength(wood.stripLength, unit), FormatLength(wood.widestBoard, unit),
                         FormatLength(wood.thickestBoard, unit), FormatVolume(wood.volume, unit)});
    }
    return table;
}

namespace {

void appendTable(std::string& out, const CutListTable& table) {
    for (const std::vector<std::string>& line : table) {
        for (size_t i = 0; i < line.size(); ++i) {
            out += (i == 0 ? "" : ",") + CsvField(line[i]);
        }
        out += "\r\n";
    }
}

}  // namespace

LimitError CheckKerf(double inches) {
    return inches >= 0.0 && inches <= kMaxKerfInches ? LimitError() : LimitError("kerf");
}

LimitError CheckAllowance(double inches) {
    return inches >= 0.0 && inches <= kMaxAllowanceInches ? LimitError() : LimitError("allowance");
}

std::string FormatCutListCsv(const CutList& list, LengthUnit unit) {
    std::string out = std::string("Corvane Cut List,Units: ") + UnitLabel(unit) +
                      ",Kerf: " + FormatLength(list.kerf, unit) +
                      ",Ring Height: " + FormatLength(list.ringHeight, unit) +
                      ",Allowance: " + FormatFixed(ToUnit(list.allowance, unit), 3) + "\r\n";
    appendTable(out, CutListRowTable(list, unit));
    out += "\r\nSummary\r\n";
    appendTable(out, CutListSummaryTable(list, unit));
    return out;
}

}  // namespace corvane
