#pragma once

#include <QIcon>

namespace corvane {

// The program's icon: a small segmented bowl seen from above.
QIcon AppIcon();

// Images of the toolbar buttons, drawn at 16 x 15 pixels.
QIcon ToolbarIcon(int commandId);

}  // namespace corvane
