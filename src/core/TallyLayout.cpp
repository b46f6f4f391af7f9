#include "TallyLayout.h"

namespace corvane {}  // namespace corvane
