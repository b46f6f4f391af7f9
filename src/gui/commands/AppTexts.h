#pragma once

namespace corvane {

// The application title: message box captions and the settings profile.
inline constexpr const char* kAppTitle = "Corvane07";
inline constexpr const char* kSettingsOrganization = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsGroup = "Workspace";
inline constexpr const char* kCaption =
    "Corvane - find this program at https://corvane.org/download";
inline constexpr const char* kReadyText = "Ready";

}  // namespace corvane
