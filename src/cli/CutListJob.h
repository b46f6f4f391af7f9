#pragma once

#include "Job.h"

namespace corvane {

// The cut list as CSV on standard output.
Job CutListJob();

}  // namespace corvane
