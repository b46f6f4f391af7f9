#include "AppIcon.h"

#include "CommandIds.h"

// A resource in a static library is linked in only when something calls
// its registration.
static void registerIcons() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(CorvaneIcons);
        return true;
    }();
    (void)registered;
}

namespace corvane {

namespace {

struct ButtonImage {
    int commandId;
    const char* themeName;  // freedesktop icon name; nullptr when the theme has none
    const char* resource;
};

const ButtonImage kButtonImages[] = {
    {cmd::EditCut, "edit-cut", ":/icons/edit-cut.svg"},
    {cmd::EditCopy, "edit-copy", ":/icons/edit-copy.svg"},
    {cmd::EditPaste, "edit-paste", ":/icons/edit-paste.svg"},
    {cmd::HelpForCorvane, "help-about", ":/icons/help-about.svg"},
    {cmd::Customize, nullptr, ":/icons/customize.svg"},
};

bool themeIconsInUse = false;

const ButtonImage* findImage(int commandId) {
    for (const ButtonImage& image : kButtonImages) {
        if (image.commandId == commandId) {
            return &image;
        }
    }
    return nullptr;
}

}  // namespace

QIcon AppIcon() {
    registerIcons();
    return QIcon::fromTheme(QStringLiteral("corvane"),
                            QIcon(QStringLiteral(":/icons/corvane.svg")));
}

QIcon ToolbarIcon(int commandId) {
    registerIcons();
    const ButtonImage* image = findImage(commandId);
    if (image == nullptr) {
        return QIcon();
    }
    const QIcon own(QString::fromLatin1(image->resource));
    return image->themeName != nullptr && themeIconsInUse
               ? QIcon::fromTheme(QString::fromLatin1(image->themeName), own)
               : own;
}

void UseThemeToolbarIcons() {
    themeIconsInUse = true;
}

bool HasToolbarImage(int commandId) {
    return findImage(commandId) != nullptr;
}

}  // namespace corvane
