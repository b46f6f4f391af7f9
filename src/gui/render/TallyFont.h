#pragma once

#include <QFont>

namespace corvane {

// "Arial" at the given point size. Where Arial is not installed the
// metric-compatible Liberation Sans stands in, so line heights and widths
// match what the tallies were laid out for.
QFont TallyFont(int pointSize);

}  // namespace corvane
