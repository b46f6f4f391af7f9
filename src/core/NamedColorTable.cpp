#include "NamedColorTable.h"

namespace corvane {}  // namespace corvane
