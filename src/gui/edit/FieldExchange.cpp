#include "FieldExchange.h"

#include "DialogService.h"
#include "NumberText.h"

#include <QLineEdit>

namespace corvane {

namespace {

// Only the start of a long text is read, as much as a field buffer holds.
constexpr qsizetype kNumberTextLimit = 399;
constexpr qsizetype kIntegerTextLimit = 63;

std::string LeadingText(const QLineEdit& field, qsizetype limit) {
    return field.text().left(limit).toStdString();
}

void RefuseField(QLineEdit& field, const char* message) {
    DialogService::instance().showMessage(field.window(), QString::fromLatin1(message));
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

}  // namespace

std::optional<double> NumberFieldValue(const QLineEdit& field) {
    return ParseLeadingLength(LeadingText(field, kNumberTextLimit));
}

std::optional<int> IntegerFieldValue(const QLineEdit& field) {
    return ParseLeadingInt(LeadingText(field, kIntegerTextLimit));
}

std::optional<double> ReadNumberField(QLineEdit& field) {
    const std::optional<double> value = NumberFieldValue(field);
    if (!value) {
        RefuseField(field, kEnterANumber);
    }
    return value;
}

std::optional<int> ReadIntegerField(QLineEdit& field) {
    const std::optional<int> value = IntegerFieldValue(field);
    if (!value) {
        RefuseField(field, kEnterAnInteger);
    }
    return value;
}

QString NumberFieldText(double value) {
    return QString::fromStdString(FormatG15(value));
}

QString IntegerFieldText(int value) {
    return QString::number(value);
}

}  // namespace corvane
