#include "SegmentHitTest.h"

namespace corvane {}  // namespace corvane
