#include "ActiveSector.h"

namespace corvane {}  // namespace corvane
