#pragma once

#include "BowlModel.h"

#include <string>

namespace corvane {

// The design file's bytes, CR LF line ends; date is "%Y-%m-%d" or empty.
std::string WriteDesignCsv(const BowlModel& model, const std::string& date);

// True when the two designs would be written to the same file (the date
// aside): the same parameters, shape, live records and last fills. Compares the
// values themselves, so a difference the file's two decimals would round
// away still counts.
bool SameDesignOnFile(const BowlModel& a, const BowlModel& b);

// Today's local date as "%Y-%m-%d", empty if it cannot be formed.
std::string LocalDateText();

}  // namespace corvane
