#pragma once

#include "Job.h"

#include <vector>

namespace corvane {

class CommandLineOptions;

// Every job the command line can run, the window first; the help, the
// checks and the run all come from this table.
const std::vector<Job>& JobTable();

// The job the options ask for: the window when they name none. Nothing,
// with a message, when they name more than one, or give an option of a
// job that was not asked for.
const Job* ChosenJob(const CommandLineOptions& options);

// The usage lines of every job, for the help.
QString UsageText();

}  // namespace corvane
