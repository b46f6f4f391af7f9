#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace corvane {

namespace {

// The "C" locale's isspace, so that no user locale can widen the set.
bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string_view SkipCSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    return text.substr(i);
}

// Consumes one leading '+' or '-'; returns true for '-'.
bool TakeSign(std::string_view& text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        const bool negative = text[0] == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

// A "0x" prefix counts only when a hexadecimal mantissa follows it; otherwise
// the number is the lone "0" and the 'x' is where reading stops.
bool HasHexFloatPrefix(std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
        return false;
    }
    if (HexDigitValue(text[2]) >= 0) {
        return true;
    }
    return text[2] == '.' && text.size() > 3 && HexDigitValue(text[3]) >= 0;
}

// Rough power of the radix of a mantissa plus its exponent part: positive
// means the magnitude is large, so an out-of-range result was an overflow
// rather than an underflow. Hexadecimal digits count four binary places and
// their exponent (after 'p') is binary.
bool NumberTextIsLarge(std::string_view text, bool hex) {
    const int placesPerDigit = hex ? 4 : 1;
    std::int64_t magnitude = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const int digit = hex ? HexDigitValue(c) : (IsDecimalDigit(c) ? c - '0' : -1);
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (digit < 0) {
            break;
        }
        seenNonZero = seenNonZero || digit != 0;
        if (seenNonZero && !afterPoint) {
            magnitude += placesPerDigit;
        } else if (!seenNonZero && afterPoint) {
            magnitude -= placesPerDigit;
        }
    }
    const char exponentMark = hex ? 'p' : 'e';
    if (i < text.size() && (text[i] | 0x20) == exponentMark) {
        std::string_view exponent = text.substr(i + 1);
        const bool negative = TakeSign(exponent);
        std::int64_t value = 0;
        for (char c : exponent) {
            if (!IsDecimalDigit(c)) {
                break;
            }
            value = std::min<std::int64_t>(value * 10 + (c - '0'), 1'000'000'000);
        }
        magnitude += negative ? -value : value;
    }
    return magnitude > 0;
}

std::optional<double> ParseUnsignedDouble(std::string_view text, std::size_t* consumed = nullptr) {
    // from_chars takes its own '-', which the text after our sign must not have.
    if (text.empty() || text[0] == '-' || text[0] == '+') {
        return std::nullopt;
    }
    const bool hex = HasHexFloatPrefix(text);
    const std::string_view body = hex ? text.substr(2) : text;
    const auto format = hex ? std::chars_format::hex : std::chars_format::general;
    double value = 0.0;
    const auto result = std::from_chars(body.data(), body.data() + body.size(), value, format);
    if (consumed != nullptr) {
        *consumed = static_cast<std::size_t>(result.ptr - text.data());
    }
    if (result.ec == std::errc::result_out_of_range) {
        return NumberTextIsLarge(body, hex) ? HUGE_VAL : 0.0;
    }
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

std::size_t DigitsEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && IsDecimalDigit(text[from])) {
        ++from;
    }
    return from;
}

double DigitsValue(std::string_view digits) {
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

bool IsSign(char c) {
    return c == '-' || c == '+';
}

enum class FractionKind { Absent, Refused, Read };

struct Fraction {
    FractionKind kind = FractionKind::Absent;
    double value = 0.0;
};

// "N/D" (digits, a slash, digits) at from. A slash with nothing after it yet
// is no fraction; one with a sign after it, a zero denominator or a number
// going on after the denominator is a mistyped one.
Fraction FractionAt(std::string_view text, std::size_t from) {
    const std::size_t slash = DigitsEnd(text, from);
    if (slash == from || slash >= text.size() || text[slash] != '/') {
        return {};
    }
    const std::size_t denominatorStart = slash + 1;
    if (denominatorStart < text.size() && IsSign(text[denominatorStart])) {
        return {FractionKind::Refused};
    }
    const std::size_t end = DigitsEnd(text, denominatorStart);
    if (end == denominatorStart) {
        return {};
    }
    const double denominator = DigitsValue(text.substr(denominatorStart, end - denominatorStart));
    const bool continues =
        end < text.size() && (text[end] == '/' || text[end] == '.' || text[end] == ',');
    if (denominator == 0.0 || continues) {
        return {FractionKind::Refused};
    }
    return {FractionKind::Read, DigitsValue(text.substr(from, slash - from)) / denominator};
}

bool IsSeparatorChar(char c) {
    return IsCSpace(c) || IsSign(c);
}

// Blanks only, or one hyphen alone, stand between a whole number and its fraction.
bool IsMixedSeparator(std::string_view separator) {
    return separator == "-" ||
           std::all_of(separator.begin(), separator.end(), [](char c) { return IsCSpace(c); });
}

// The fraction, if any, after the separator that follows the whole part at from.
Fraction FractionAfterSeparator(std::string_view text, std::size_t from, bool* wellSeparated) {
    std::size_t start = from;
    while (start < text.size() && IsSeparatorChar(text[start])) {
        ++start;
    }
    if (start == from) {
        return {};
    }
    *wellSeparated = IsMixedSeparator(text.substr(from, start - from));
    return FractionAt(text, start);
}

std::optional<double> UnsignedLength(std::string_view text);

// A decimal number; a fraction after it or in it is a mistyped length.
std::optional<double> UnsignedDecimalLength(std::string_view text) {
    std::size_t consumed = 0;
    const std::optional<double> value = ParseUnsignedDouble(text, &consumed);
    if (!value) {
        return std::nullopt;
    }
    const bool wholeDigits = DigitsEnd(text, 0) == consumed;
    if (wholeDigits && consumed + 1 < text.size() && text[consumed] == ',' &&
        IsDecimalDigit(text[consumed + 1])) {
        std::string dotted(text);
        dotted[consumed] = '.';
        return UnsignedLength(dotted);
    }
    const bool slashThenNumber = consumed + 1 < text.size() && text[consumed] == '/' &&
                                 (IsDecimalDigit(text[consumed + 1]) || IsSign(text[consumed + 1]));
    if (slashThenNumber) {
        return std::nullopt;
    }
    bool wellSeparated = false;
    if (FractionAfterSeparator(text, consumed, &wellSeparated).kind != FractionKind::Absent) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> UnsignedLength(std::string_view text) {
    const Fraction fraction = FractionAt(text, 0);
    if (fraction.kind != FractionKind::Absent) {
        return fraction.kind == FractionKind::Read ? std::optional(fraction.value) : std::nullopt;
    }
    const std::size_t wholeEnd = DigitsEnd(text, 0);
    if (wholeEnd > 0) {
        bool wellSeparated = false;
        const Fraction part = FractionAfterSeparator(text, wholeEnd, &wellSeparated);
        if (part.kind == FractionKind::Read && wellSeparated) {
            return DigitsValue(text.substr(0, wholeEnd)) + part.value;
        }
        if (part.kind != FractionKind::Absent) {
            return std::nullopt;
        }
    }
    return UnsignedDecimalLength(text);
}

}  // namespace

std::optional<double> ParseLeadingLength(std::string_view text) {
    text = SkipCSpace(text);
    const bool negative = TakeSign(text);
    const std::optional<double> magnitude = UnsignedLength(text);
    if (!magnitude) {
        return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
}

std::optional<double> ParseLeadingDouble(std::string_view text) {
    text = SkipCSpace(text);
    const bool negative = TakeSign(text);
    const std::optional<double> magnitude = ParseUnsignedDouble(text);
    if (!magnitude) {
        return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
}

std::optional<int> ParseLeadingInt(std::string_view text) {
    text = SkipCSpace(text);
    const bool negative = TakeSign(text);
    if (text.empty() || !IsDecimalDigit(text[0])) {
        return std::nullopt;
    }
    // Accumulate toward the sign so that INT_MIN itself is representable.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (!IsDecimalDigit(c)) {
            break;
        }
        magnitude = std::min(magnitude * 10 + (c - '0'), kLimit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::optional<double> ParseDecimalCommaNumber(std::string_view text) {
    text = SkipCSpace(text);
    while (!text.empty() && IsCSpace(text.back())) {
        text.remove_suffix(1);
    }
    std::string number(text);
    std::size_t i = (!number.empty() && (number[0] == '+' || number[0] == '-')) ? 1 : 0;
    const std::size_t mantissaStart = i;
    while (i < number.size() && IsDecimalDigit(number[i])) {
        ++i;
    }
    if (i == number.size() || number[i] != ',') {
        return std::nullopt;
    }
    number[i++] = '.';
    while (i < number.size() && IsDecimalDigit(number[i])) {
        ++i;
    }
    if (i - mantissaStart < 2) {  // the comma alone is no number
        return std::nullopt;
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t digits = ++i;
        if (digits < number.size() && (number[digits] == '+' || number[digits] == '-')) {
            i = ++digits;
        }
        while (i < number.size() && IsDecimalDigit(number[i])) {
            ++i;
        }
        if (i == digits) {
            return std::nullopt;
        }
    }
    if (i != number.size()) {
        return std::nullopt;
    }
    return ParseLeadingDouble(number);
}

double LeadingDoubleOrZero(std::string_view text) {
    return ParseLeadingDouble(text).value_or(0.0);
}

int LeadingIntOrZero(std::string_view text) {
    return ParseLeadingInt(text).value_or(0);
}

Argb LeadingHexColor(std::string_view text) {
    text = SkipCSpace(text);
    const bool negative = TakeSign(text);
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        HexDigitValue(text[2]) >= 0) {
        text.remove_prefix(2);
    }
    constexpr std::uint64_t kMax = std::numeric_limits<Argb>::max();
    std::uint64_t value = 0;
    bool overflow = false;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > kMax) {
            overflow = true;
            value = kMax;
        }
    }
    if (overflow) {
        return static_cast<Argb>(kMax);
    }
    // strtoul negates in the unsigned type, that is modulo 2^32.
    const Argb magnitude = static_cast<Argb>(value);
    return negative ? static_cast<Argb>(0u - magnitude) : magnitude;
}

std::string FormatFixed(double value, int decimals) {
    // Enough for the 309 integer digits of the largest double, sign, point and decimals.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, std::clamp(decimals, 0, 20));
    return std::string(buffer, result.ptr);
}

std::string FormatFixed2(double value) {
    return FormatFixed(value, 2);
}

std::string FormatHex8(Argb value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xFu];
        value >>= 4;
    }
    return text;
}

std::string FormatG15(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

}  // namespace corvane
