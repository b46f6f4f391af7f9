#pragma once

#include "BowlModel.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The five fields of the parameters box.
enum class BoxField { ID, OD, Rows, Segments, FontSize };

// A limit the box values break: its message and the fields it concerns.
struct BoxLimitProblem {
    std::string message;
    std::vector<BoxField> fields;
};

// The parameters box's own copies of the design parameters. The box reads
// its fields into these and hands them to the live design only when the
// whole design stays valid, so refused values live here and nowhere else.
struct BoxParameters {
    double BoxID = 3.5;
    double BoxOD = 8.1;
    int BoxRows = 8;
    int BoxSegments = 24;
    int BoxFontSize = 12;

    // The copies kept from one opening of the box to the next.
    static BoxParameters& instance();

    void LoadFrom(const BowlModel& model);
    void CopyTo(BowlModel& model) const;
    bool SameAs(const BowlModel& model) const;

    // The first limit broken, with the fields to point at; nothing when the
    // values may become the live design.
    std::optional<BoxLimitProblem> CheckLimits() const;
};

}  // namespace corvane
