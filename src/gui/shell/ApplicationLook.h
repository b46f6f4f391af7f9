#pragma once

#include <QPalette>
#include <QString>

class QMainWindow;

namespace corvane {

// What one visual style sets: the colours of the whole application and a
// style sheet for the frame's menu bar (with its menus), toolbars and
// status bar.
struct LookTheme {
    int lookId = 0;  // the table row the theme comes from
    QString family;
    QPalette palette;
    QString barStyleSheet;
};

// The visual styles of "Application Look", by command id (205..219).
class ApplicationLook {
public:
    static constexpr int kDefault = 218;  // Office 2007, aqua

    // The theme of a look id. Ids outside the table (211 to 214 and any
    // other value) show Office 2007 in whichever colour style it has now.
    static LookTheme themeFor(int lookId);
    // Installs the look on the application and the frame's bars; choosing
    // one of the Office 2007 styles also makes it that family's current style.
    static void apply(int lookId, QMainWindow& frame);

    // The Office 2007 colour style in use (215..218); blue until one is chosen.
    static int office2007Style();
};

}  // namespace corvane
