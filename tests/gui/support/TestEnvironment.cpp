#include "TestEnvironment.h"

#include "AppTexts.h"
#include "BowlModel.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace corvane::test {

TestEnvironment::TestEnvironment() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    resetModel();
}

QString TestEnvironment::tempPath(const QString& name) const {
    return dir_.filePath(name);
}

void TestEnvironment::resetModel() {
    BowlModel::instance() = BowlModel();
}

}  // namespace corvane::test
