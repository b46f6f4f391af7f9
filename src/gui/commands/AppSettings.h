#pragma once

#include "SettingsKeys.h"

#include <QSettings>

namespace corvane {

// The program's section of the user's settings store: organisation
// "Local AppWizard-Generated Applications", application "Corvane07",
// group "Workspace". Values are read as they are stored (a user may have
// edited them), and written as the type their key holds.
class AppSettings {
public:
    AppSettings();
    ~AppSettings();

    template <typename T>
    QVariant value(SettingKey<T> key, const QVariant& fallback = QVariant()) const {
        return settings_.value(QString::fromLatin1(key.name), fallback);
    }
    template <typename T>
    void setValue(SettingKey<T> key, const T& value) {
        settings_.setValue(QString::fromLatin1(key.name), QVariant::fromValue(value));
    }
    template <typename T>
    bool contains(SettingKey<T> key) const {
        return settings_.contains(QString::fromLatin1(key.name));
    }
    template <typename T>
    void remove(SettingKey<T> key) {
        settings_.remove(QString::fromLatin1(key.name));
    }
    QSettings& store() { return settings_; }

private:
    QSettings settings_;
};

}  // namespace corvane
