#pragma once

#include <QIcon>

namespace corvane {

// The program's icon: the desktop theme's "corvane" where one is installed,
// else the segmented bowl drawn in the program's own SVG.
QIcon AppIcon();

// Images of the toolbar buttons: the desktop theme's where it has one, else
// the program's own SVG, so that they stay sharp at every scale. Until
// UseThemeToolbarIcons() is called, always the program's own: finding an
// icon in the theme first reads the theme's whole index, which the first
// frame should not wait for.
QIcon ToolbarIcon(int commandId);
void UseThemeToolbarIcons();

// Whether a command has an image of its own (others show their text).
bool HasToolbarImage(int commandId);

}  // namespace corvane
