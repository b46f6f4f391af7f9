#pragma once

#include "BowlModel.h"

#include <string>

namespace corvane {

// The design file's bytes, CR LF line ends; date is "%Y-%m-%d" or empty.
std::string WriteDesignCsv(const BowlModel& model, const std::string& date);

// Today's local date as "%Y-%m-%d", empty if it cannot be formed.
std::string LocalDateText();

}  // namespace corvane
