#pragma once

#include "Job.h"

namespace corvane {

// The bowl in 3D, as the 3D Preview shows it, saved as a picture.
Job Export3dJob();

}  // namespace corvane
