#include "DesignView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace corvane {

DesignView::DesignView(DesignDocument& document, QWidget* parent)
    : DesignSurface(parent), document_(document) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    connect(&document_, &DesignDocument::changed, this, &DesignView::onDesignChanged);
    // Geometry stays in logical pixels whatever the screen's pixel ratio.
    document_.setPixelsPerInch(logicalDpiX());
}

std::uint32_t DesignView::shownColorAt(QPoint position) const {
    return picture_.colorAt(position);
}

void DesignView::repaintNow() {
    fullPaintPending_ = true;
    repaint();
}

void DesignView::paintIfStale() {
    if (!pictureIsCurrent()) {
        repaintNow();
    }
}

bool DesignView::pictureIsCurrent() const {
    return !fullPaintPending_ && picture_.isCurrent(document_.model(), size(), devicePixelRatioF());
}

// A fill or an undo redraws the records it recoloured and the tallies;
// anything else paints the whole view anew. Either way before returning, so
// that the next click is tested against what the window shows.
void DesignView::onDesignChanged(const DesignChange& change) {
    if (change.onlyRecolored() && pictureIsCurrent()) {
        repaint(picture_.repaintRecords(document_.model(), change.records));
        return;
    }
    repaintNow();
}

// Everything is drawn off-screen and shown in one copy, so a paint never
// flickers. The picture is painted anew only when something beyond the
// colours of some records changed (or it was asked for); otherwise the kept
// picture is shown again.
void DesignView::paintEvent(QPaintEvent* event) {
    if (!pictureIsCurrent()) {
        picture_.paintAll(document_.model(), size(), devicePixelRatioF());
        fullPaintPending_ = false;
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPointF(0.0, 0.0), picture_.image());
}

void DesignView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftClicked(event->position().toPoint());
    }
    DesignSurface::mousePressEvent(event);
}

}  // namespace corvane
