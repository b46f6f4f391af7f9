#pragma once

#include "Job.h"

namespace corvane {

// The jobs that draw the plan as the window shows it, without a window.
Job ExportImageJob();
Job PrintPdfJob();

}  // namespace corvane
