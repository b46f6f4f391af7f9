#include "CutList.h"

#include "CsvField.h"
#include "NumberText.h"

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

void fillSegmentGeometry(CutListRow& row) {
    const double half = std::numbers::pi / row.segments;  // 180 degrees / N in radians
    const double outerRadius = row.outerDiameter / 2.0;
    const double innerRadius = row.innerDiameter / 2.0;
    row.hasSegments = true;
    row.wedgeAngle = 360.0 / row.segments;
    row.miterAngle = 180.0 / row.segments;
    row.outerLength = 2.0 * outerRadius * std::tan(half);
    row.innerLength = 2.0 * innerRadius * std::sin(half);
    row.boardWidth = outerRadius - innerRadius * std::cos(half);
}

CutListRow makeRow(const BowlModel& model, int r, double kerf) {
    const double ringWidth = (model.OD - model.ID) / model.Rows;
    CutListRow row;
    row.row = r;
    row.innerDiameter = model.ID + (r - 1) * ringWidth;
    row.outerDiameter = model.ID + r * ringWidth;
    row.segments = model.Segments;
    if (model.Segments >= 1) {
        fillSegmentGeometry(row);
    }
    for (const auto& [name, count] : countsOfRow(model, r)) {
        row.woods.push_back({shownName(name), count, count * (row.outerLength + kerf)});
    }
    return row;
}

std::vector<WoodSummary> summarise(const std::vector<CutListRow>& rows, double ringHeight) {
    std::map<std::string, WoodSummary> byName;
    for (const CutListRow& row : rows) {
        for (const WoodCount& wood : row.woods) {
            WoodSummary& summary = byName[wood.name];
            summary.name = wood.name;
            summary.segments += wood.count;
            summary.stripLength += wood.stripLength;
            summary.widestBoard = std::max(summary.widestBoard, row.boardWidth);
        }
    }
    std::vector<WoodSummary> result;
    for (auto& entry : byName) {
        WoodSummary& wood = entry.second;
        wood.volume = ringHeight * wood.widestBoard * wood.stripLength;
        result.push_back(std::move(wood));
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

CutList ComputeCutList(const BowlModel& model, double kerfInches, double ringHeightInches) {
    CutList list;
    list.kerf = kerfInches;
    list.ringHeight = ringHeightInches;
    list.discDiameter = model.ID;
    list.discWood = discWoodOf(model);
    list.refusal = refusalOf(model);
    if (!list.refusal.empty()) {
        return list;
    }
    // Rows beyond the table cannot hold segments; a design file may still name them.
    const int rows = std::clamp(model.Rows, 0, kMaxLiveSegments);
    for (int r = 1; r <= rows; ++r) {
        list.rows.push_back(makeRow(model, r, kerfInches));
    }
    list.summary = summarise(list.rows, ringHeightInches);
    return list;
}

double ToInches(double value, LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? value / kMillimetresPerInch : value;
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
    CutListTable table{{"Row", "Inner Diameter" + u, "Outer Diameter" + u, "Segments",
                        "Wedge Angle (deg)", "Miter Angle from Square (deg)", "Outer Length" + u,
                        "Inner Length" + u, "Board Width" + u, "Ring Height" + u, "Wood", "Count",
                        "Strip Length" + u}};
    const std::string ringHeight = FormatLength(list.ringHeight, unit);
    table.push_back({"Disc", "", FormatLength(list.discDiameter, unit), "1", "", "", "", "", "",
                     ringHeight, list.discWood, "1", ""});
    for (const CutListRow& row : list.rows) {
        const auto measure = [&](double inches) {
            return row.hasSegments ? FormatLength(inches, unit) : std::string();
        };
        const std::vector<std::string> shape = {std::to_string(row.row),
                                                FormatLength(row.innerDiameter, unit),
                                                FormatLength(row.outerDiameter, unit),
                                                std::to_string(row.segments),
                                                row.hasSegments ? FormatAngle(row.wedgeAngle) : "",
                                                row.hasSegments ? FormatAngle(row.miterAngle) : "",
                                                measure(row.outerLength),
                                                measure(row.innerLength),
                                                measure(row.boardWidth),
                                                ringHeight};
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
    const std::string thickness = FormatLength(list.ringHeight, unit);
    for (const WoodSummary& wood : list.summary) {
        table.push_back({wood.name, std::to_string(wood.segments),
                         FormatLength(wood.stripLength, unit), FormatLength(wood.widestBoard, unit),
                         thickness, FormatVolume(wood.volume, unit)});
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

std::string FormatCutListCsv(const CutList& list, LengthUnit unit) {
    std::string out = std::string("Corvane Cut List,Units: ") + UnitLabel(unit) +
                      ",Kerf: " + FormatLength(list.kerf, unit) +
                      ",Ring Height: " + FormatLength(list.ringHeight, unit) + "\r\n";
    appendTable(out, CutListRowTable(list, unit));
    out += "\r\nSummary\r\n";
    appendTable(out, CutListSummaryTable(list, unit));
    return out;
}

}  // namespace corvane
