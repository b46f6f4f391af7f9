#include "DesignCsvReader.h"

namespace corvane {}  // namespace corvane
