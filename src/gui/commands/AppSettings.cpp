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

}  // namespace corvane
