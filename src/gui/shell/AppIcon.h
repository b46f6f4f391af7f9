#pragma once

#include <QIcon>

namespace corvane {

// The program's icon: a small segmented bowl seen from above.
QIcon AppIcon();

// Images of the toolbar buttons, drawn at 16 x 15 pixels.
QIcon ToolbarIcon(int commandId);

// Whether a command has an image of its own (others show their text).
bool HasToolbarImage(int commandId);

}  // namespace corvane
