#pragma once

#include <QString>

class QLabel;

namespace corvane::test {

// Height of a word-wrapped label's text at the label's width, laid out line
// by line as the painter lays it out (last line's descenders included).
int WrappedTextHeight(const QLabel& label);

// What of a word-wrapped label's text does not show: a line wider than the
// label, a word broken inside, or lines below its bottom edge. Empty when
// every word shows.
QString HiddenText(const QLabel& label);

}  // namespace corvane::test
