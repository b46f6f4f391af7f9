#include "DesignLimits.h"

namespace corvane {}  // namespace corvane
