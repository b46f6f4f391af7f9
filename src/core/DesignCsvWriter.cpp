#include "DesignCsvWriter.h"

namespace corvane {}  // namespace corvane
