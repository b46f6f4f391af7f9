#include "BowlModel.h"

namespace corvane {}  // namespace corvane
