#include "AppSettings.h"

#include "AppTexts.h"

namespace corvane {

AppSettings::AppSettings()
    : settings_(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kAppTitle)) {
    settings_.beginGroup(QString::fromLatin1(kSettingsGroup));
}

AppSettings::~AppSettings() {
    settings_.endGroup();
}

QVariant AppSettings::value(const char* key, const QVariant& fallback) const {
    return settings_.value(QString::fromLatin1(key), fallback);
}

void AppSettings::setValue(const char* key, const QVariant& value) {
    settings_.setValue(QString::fromLatin1(key), value);
}

bool AppSettings::contains(const char* key) const {
    return settings_.contains(QString::fromLatin1(key));
}

}  // namespace corvane
