#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace corvane {

namespace {

qint64 overlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// Shifts one edge pair of the window into [low, high], shrinking it first if
// it is longer than the range.
void fitSpan(int& start, int& length, int low, int high) {
    length = std::min(length, high - low + 1);
    start = std::clamp(start, low, high - length + 1);
}

}  // namespace

QRect WindowPlacement::firstStart(const QRect& available) {
    const QSize size(int(available.width() * kFirstStartShare),
                     int(available.height() * kFirstStartShare));
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(available.center());
    return rect;
}

std::optional<QRect> WindowPlacement::fitSaved(const QRect& saved,
                                               const QList<ScreenArea>& screens) {
    const ScreenArea* best = nullptr;
    qint64 bestArea = 0;
    for (const ScreenArea& screen : screens) {
        const qint64 area = overlapArea(saved, screen.geometry);
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    if (best == nullptr || !saved.isValid()) {
        return std::nullopt;
    }
    const QRect& free = best->available;
    int left = saved.left();
    int top = saved.top();
    int width = saved.width();
    int height = saved.height();
    fitSpan(left, width, free.left(), free.right());
    fitSpan(top, height, free.top(), free.bottom());
    return QRect(left, top, width, height);
}

QRect WindowPlacement::choose(const std::optional<QRect>& saved, const QList<ScreenArea>& screens) {
    if (saved) {
        if (const std::optional<QRect> fitted = fitSaved(*saved, screens)) {
            return *fitted;
        }
    }
    return screens.isEmpty() ? QRect() : firstStart(screens.constFirst().available);
}

QList<ScreenArea> WindowPlacement::currentScreens() {
    QList<ScreenArea> screens;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        screens << ScreenArea{primary->geometry(), primary->availableGeometry()};
    }
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) {
            screens << ScreenArea{screen->geometry(), screen->availableGeometry()};
        }
    }
    return screens;
}

}  // namespace corvane
