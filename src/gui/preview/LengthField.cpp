#include "LengthField.h"

#include "NumberText.h"

#include <cmath>

namespace corvane {

namespace {

const QString kOutOfLimitsStyle = QStringLiteral("QLineEdit { border: 2px solid #FF0000; }");

}  // namespace

LengthField::LengthField(Reader reader, QWidget* parent) : QLineEdit(parent), reader_(reader) {
    connect(this, &QLineEdit::textEdited, this, &LengthField::onEdited);
}

void LengthField::showLength(double inches, LengthUnit unit) {
    unit_ = unit;
    const double shown = unit == LengthUnit::Millimetres ? inches * kMillimetresPerInch : inches;
    // Four decimals hold a millimetre value typed to a hundredth and any
    // inch value typed to a ten-thousandth, without float noise.
    setText(QString::fromStdString(FormatG15(std::round(shown * 1e4) / 1e4)));
    setCursorPosition(0);
    showProblem(QString());
}

// Read as the parameters box reads its diameters: the length, decimal or
// fraction, at the start of the text, whatever follows.
void LengthField::onEdited(const QString& text) {
    const std::optional<double> value = ParseLeadingLength(text.toStdString());
    if (!value) {
        showProblem(QStringLiteral("Enter a number."));
        return;
    }
    const TypedLength length = reader_(*value, unit_);
    if (length.error) {
        showProblem(QString::fromStdString(*length.error));
        return;
    }
    showProblem(QString());
    emit lengthEdited(length.inches);
}

void LengthField::showProblem(const QString& message) {
    if (message == problem_) {
        return;
    }
    problem_ = message;
    setStyleSheet(message.isEmpty() ? QString() : kOutOfLimitsStyle);
    setToolTip(message);
    emit problemChanged();
}

}  // namespace corvane
