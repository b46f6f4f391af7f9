#pragma once

#include <QDoubleSpinBox>

#include <optional>

namespace corvane {

// A spin box for a length that also takes it typed as a fraction ("1/8",
// "0 3/32"), as every length field of the program does. Text that is no
// length is not taken; the box keeps its last value.
class LengthSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;

private:
    std::optional<double> lengthIn(const QString& text) const;
};

}  // namespace corvane
