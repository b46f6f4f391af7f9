#include "LengthSpinBox.h"

#include "NumberText.h"

#include <algorithm>

namespace corvane {

namespace {

// The characters of decimals and fractions; anything else is refused at the keystroke.
bool MayBeLength(const QString& text) {
    static const QString kLengthChars = QStringLiteral("0123456789 ./,-+");
    return std::all_of(text.begin(), text.end(), [](QChar c) { return kLengthChars.contains(c); });
}

}  // namespace

std::optional<double> LengthSpinBox::lengthIn(const QString& text) const {
    QString body = text;
    if (body.startsWith(prefix())) {
        body.remove(0, prefix().size());
    }
    if (body.endsWith(suffix())) {
        body.chop(suffix().size());
    }
    body = body.trimmed();
    if (!MayBeLength(body)) {
        return std::nullopt;
    }
    return ParseLeadingLength(body.toStdString());
}

QValidator::State LengthSpinBox::validate(QString& text, int& /*pos*/) const {
    QString body = text;
    body.remove(prefix()).remove(suffix());
    if (!MayBeLength(body.trimmed())) {
        return QValidator::Invalid;
    }
    const std::optional<double> value = lengthIn(text);
    if (!value || *value < minimum() || *value > maximum()) {
        return QValidator::Intermediate;
    }
    return QValidator::Acceptable;
}

double LengthSpinBox::valueFromText(const QString& text) const {
    return lengthIn(text).value_or(value());
}

}  // namespace corvane
