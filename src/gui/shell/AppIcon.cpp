#include "AppIcon.h"

#include "CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace corvane {

namespace {

QPixmap bowlPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size * 0.47;
    const double inner = size * 0.22;
    const QColor woods[] = {QColor(0x8B, 0x45, 0x13), QColor(0xEF, 0xDD, 0xD4)};
    const int segments = 12;
    for (int ring = 0; ring < 2; ++ring) {
        const double r0 = inner + (outer - inner) * ring / 2.0;
        const double r1 = inner + (outer - inner) * (ring + 1) / 2.0;
        const double offset = ring * 15.0;
        for (int s = 0; s < segments; ++s) {
            QPainterPath path;
            const double a0 = offset + s * 30.0;
            path.arcMoveTo(QRectF(centre.x() - r1, centre.y() - r1, 2 * r1, 2 * r1), a0);
            path.arcTo(QRectF(centre.x() - r1, centre.y() - r1, 2 * r1, 2 * r1), a0, 30.0);
            path.arcTo(QRectF(centre.x() - r0, centre.y() - r0, 2 * r0, 2 * r0), a0 + 30.0, -30.0);
            path.closeSubpath();
            painter.fillPath(path, woods[(s + ring) % 2]);
            painter.strokePath(path, QPen(Qt::black, std::max(1.0, size / 64.0)));
        }
    }
    painter.setBrush(QColor(0xC1, 0x9A, 0x6B));
    painter.setPen(QPen(Qt::black, std::max(1.0, size / 64.0)));
    painter.drawEllipse(centre, inner, inner);
    return pixmap;
}

QPixmap glyphPixmap(const QString& glyph) {
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x30, 0x60));
    painter.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, glyph);
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(bowlPixmap(size));
    }
    return icon;
}

QIcon ToolbarIcon(int commandId) {
    switch (commandId) {
        case cmd::EditCut:
            return QIcon::fromTheme(QStringLiteral("edit-cut"), QIcon(glyphPixmap("X")));
        case cmd::EditCopy:
            return QIcon::fromTheme(QStringLiteral("edit-copy"), QIcon(glyphPixmap("C")));
        case cmd::EditPaste:
            return QIcon::fromTheme(QStringLiteral("edit-paste"), QIcon(glyphPixmap("P")));
        case cmd::HelpForCorvane:
            return QIcon::fromTheme(QStringLiteral("help-contents"), QIcon(glyphPixmap("?")));
        case cmd::Customize:
            return QIcon(glyphPixmap(QStringLiteral("\u00BB")));
        default:
            return QIcon(glyphPixmap(QStringLiteral("*")));
    }
}

bool HasToolbarImage(int commandId) {
    switch (commandId) {
        case cmd::EditCut:
        case cmd::EditCopy:
        case cmd::EditPaste:
        case cmd::HelpForCorvane:
        case cmd::Customize:
            return true;
        default:
            return false;
    }
}

}  // namespace corvane
