#include "CutList.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace corvane {

namespace {

std::string shownName(const std::string& name) {
    return name == kBlankName ? std::string(kNotChosenName) : name;
}

// A row the tallies have not seen yet shows all its segments unfilled.
ColorCounts countsOfRow(const BowlModel& model, int row, int segments) {
    const auto found = model.RowTallies.find(row);
    if (found != model.RowTallies.end()) {
        return found->second;
    }
    return ColorCounts{{kBlankName, std::max(segments, 0)}};
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
    for (const auto& [name, count] : countsOfRow(model, r, model.Segments)) {
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
    const ColorCounts disc = countsOfRow(model, 0, 1);
    return disc.empty() ? std::string(kNotChosenName) : shownName(disc.begin()->first);
}

}  // namespace

CutList ComputeCutList(const BowlModel& model, double kerfInches, double ringHeightInches) {
    CutList list;
    list.kerf = kerfInches;
    list.ringHeight = ringHeightInches;
    list.discDiameter = model.ID;
    list.discWood = discWoodOf(model);
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
            out += (i == 0 ? "" : ",") + line[i];
        }
        out += "\r\n";
    }
}

}  // namespace

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
