#pragma once

#include "Job.h"

namespace corvane {

// The program's window, with a design file when one is given.
Job WindowJob();

}  // namespace corvane
