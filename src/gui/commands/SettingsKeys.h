#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QVariantList>

namespace corvane {

// A key of the settings store together with the type of what it holds, so
// that a value is always written as the type it is read back as.
template <typename T>
struct SettingKey {
    const char* name;
};

// Every key the program keeps in its section of the settings store.
namespace SettingsKeys {

// Where the window was left, and its bars.
inline constexpr SettingKey<QRect> MainWindowRect{"MainWindowRect"};
inline constexpr SettingKey<bool> MainWindowMaximized{"MainWindowMaximized"};
inline constexpr SettingKey<QByteArray> MainWindowState{"MainWindowState"};
inline constexpr SettingKey<bool> StatusBarVisible{"StatusBarVisible"};
// The visual style: the command id of its menu item.
inline constexpr SettingKey<int> ApplicationLook{"ApplicationLook"};
// The user's toolbars and the buttons of the standard one.
inline constexpr SettingKey<QVariantList> UserToolbars{"UserToolbars"};
inline constexpr SettingKey<QVariantList> StandardToolbar{"StandardToolbar"};
// The design view's zoom; 0 fits the bowl to the view.
inline constexpr SettingKey<double> ViewZoom{"ViewZoom"};
// The cut list's and the 3D preview's settings; lengths in inches.
inline constexpr SettingKey<QString> CutListUnits{"CutListUnits"};
inline constexpr SettingKey<double> CutListKerfInches{"CutListKerfInches"};
inline constexpr SettingKey<double> CutListAllowanceInches{"CutListAllowanceInches"};
// Whether the 3D preview draws the glue lines.
inline constexpr SettingKey<bool> PreviewGlueLines{"PreviewGlueLines"};

}  // namespace SettingsKeys

}  // namespace corvane
