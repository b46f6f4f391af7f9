#include "NumberText.h"

namespace corvane {}  // namespace corvane
