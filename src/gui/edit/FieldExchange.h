#pragma once

#include <QString>

#include <optional>

class QLineEdit;

namespace corvane {

inline constexpr const char* kEnterANumber = "Enter a number.";
inline constexpr const char* kEnterAnInteger = "Enter an integer.";

// What a field holds, read as the Read functions below read it, without a
// word to the user: nothing when the text does not begin with one.
std::optional<double> NumberFieldValue(const QLineEdit& field);
std::optional<int> IntegerFieldValue(const QLineEdit& field);

// Reading and writing dialog edit fields. A field that cannot be read shows
// its message, takes the keyboard focus and has its whole text selected.

// The length at the start of the text, a decimal or a fraction ("9 1/2");
// "Enter a number." otherwise.
std::optional<double> ReadNumberField(QLineEdit& field);
// The whole number at the start of the text; "Enter an integer." otherwise.
std::optional<int> ReadIntegerField(QLineEdit& field);

// Up to 15 significant digits in the shortest form.
QString NumberFieldText(double value);
QString IntegerFieldText(int value);

}  // namespace corvane
