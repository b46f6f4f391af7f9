#pragma once

#include <QString>

#include <optional>

class QLineEdit;

namespace corvane {

// Reading and writing dialog edit fields. A field that cannot be read shows
// its message, takes the keyboard focus and has its whole text selected.

// The decimal number at the start of the text; "Enter a number." otherwise.
std::optional<double> ReadNumberField(QLineEdit& field);
// The whole number at the start of the text; "Enter an integer." otherwise.
std::optional<int> ReadIntegerField(QLineEdit& field);

// Up to 15 significant digits in the shortest form.
QString NumberFieldText(double value);
QString IntegerFieldText(int value);

}  // namespace corvane
