#pragma once

#include "SegmentProp.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Locale-independent number conversions with the semantics of the C library
// in the "C" locale, whatever the user's locale is.

// strtod: leading white space, optional sign, decimal (or 0x hexadecimal)
// number, inf/nan; stops at the first character that does not fit.
// Nothing when no number begins the text.
std::optional<double> ParseLeadingDouble(std::string_view text);
// atoi-like, saturating at the int range. Nothing when no digits begin the text.
std::optional<int> ParseLeadingInt(std::string_view text);

// A number written with a decimal comma, as a spreadsheet in a German or
// French locale writes it ("3,75", "-1,5e1"): the whole text (white space
// aside) must be such a number with exactly one comma. Nothing otherwise.
std::optional<double> ParseDecimalCommaNumber(std::string_view text);

// A length as a woodworker types it: a decimal number as ParseLeadingDouble
// reads it (anything after it ignored), a decimal comma between digits
// ("9,5"), a fraction ("3/4") or a whole number and a fraction, apart by
// blanks or one hyphen ("9 1/2", "9-1/2"). A sign in front covers the whole
// length ("-9 1/2" is -9.5). Nothing when no length begins the text, and
// nothing for a fraction that is plainly mistyped: a zero denominator, a sign
// or a decimal inside it ("9 -1/2", "1/-2", "1.5/2", "9.5 1/2") or more than
// one slash ("1/2/3"). A fraction not yet complete ("9 1/") is ignored as any
// other text after the number is, so that typing passes through it quietly.
std::optional<double> ParseLeadingLength(std::string_view text);

// The number a field begins with, as the design file's reader has always
// read it (the C library's strtod, atoi and strtoul of base 16).
double LeadingDoubleOrZero(std::string_view text);  // 0 when there is no number
int LeadingIntOrZero(std::string_view text);        // 0 when there are no digits
Argb LeadingHexColor(std::string_view text);        // 0 without digits, FFFFFFFF when too large

std::string FormatFixed(double value, int decimals);  // "%.*f"
std::string FormatFixed2(double value);               // "%.2f"
std::string FormatHex8(Argb value);                   // "%08X"
std::string FormatG15(double value);                  // "%.*g" with precision 15

}  // namespace corvane
