#pragma once

#include <QSettings>

namespace corvane {

// The program's section of the user's settings store: organisation
// "Local AppWizard-Generated Applications", application "Corvane07",
// group "Workspace".
class AppSettings {
public:
    AppSettings();
    ~AppSettings();

    QVariant value(const char* key, const QVariant& fallback = QVariant()) const;
    void setValue(const char* key, const QVariant& value);
    bool contains(const char* key) const;
    QSettings& store() { return settings_; }

private:
    QSettings settings_;
};

}  // namespace corvane
