#include "TestEnvironment.h"

#include "AppTexts.h"
#include "DesignDocument.h"

#include <memory>

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

namespace {

std::unique_ptr<DesignDocument>& TestDocument() {
    static std::unique_ptr<DesignDocument> document = std::make_unique<DesignDocument>();
    return document;
}

}  // namespace

DesignDocument& TestEnvironment::document() {
    return *TestDocument();
}

void TestEnvironment::resetModel() {
    TestDocument() = std::make_unique<DesignDocument>();
}

}  // namespace corvane::test
