#pragma once

#include <QList>
#include <QRect>

#include <optional>

class QWidget;

namespace corvane {

// One screen as the placement sees it: its whole area and the part that
// panels and docks leave free.
struct ScreenArea {
    QRect geometry;
    QRect available;
};

// Where the main window opens: on the first start three quarters of the
// primary screen's free width and height, centred in it; afterwards where it
// was left, as long as that lies on a screen that is still there.
class WindowPlacement {
public:
    static constexpr double kFirstStartShare = 0.75;

    static QRect firstStart(const QRect& available);
    // A saved rectangle on the screen it overlaps most, moved (and, if it is
    // larger, shrunk) into that screen's free area; nothing when it overlaps
    // no screen at all.
    static std::optional<QRect> fitSaved(const QRect& saved, const QList<ScreenArea>& screens);
    // The rectangle to use: the saved one fitted, else the first-start one on
    // the first screen of the list (the primary one).
    static QRect choose(const std::optional<QRect>& saved, const QList<ScreenArea>& screens);

    // The application's screens, primary first.
    static QList<ScreenArea> currentScreens();
};

}  // namespace corvane
