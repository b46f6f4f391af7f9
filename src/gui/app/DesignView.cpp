#include "DesignView.h"

#include "BowlModel.h"
#include "DesignRenderer.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

DesignView::DesignView(BowlModel& model, QWidget* parent) : DesignSurface(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    model_.PixelsPerInch = logicalDpiX();
    model_.ComputeGeometry(model_.PixelsPerInch);
}

void DesignView::repaintNow() {
    repaint();
    emit designChanged();
}

void DesignView::invalidateTallies() {
    for (int i = 0; i < 3; ++i) {
        const IntRect& column = model_.TallyRects[i];
        if (i == 0 || !column.IsRectEmpty()) {
            update(QRect(column.left, column.top, column.right - column.left,
                         column.bottom - column.top));
        }
    }
}

void DesignView::onParametersChanged() {
    model_.ComputeGeometry(model_.PixelsPerInch);
    repaintNow();
}

// Everything is drawn off-screen and shown in one copy, so a paint never
// flickers; the picture is kept for the click's colour test.
void DesignView::paintEvent(QPaintEvent*) {
    lastPainted_ = DesignRenderer::render(model_, size());
    QPainter painter(this);
    painter.drawImage(0, 0, lastPainted_);
}

void DesignView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftClicked(event->position().toPoint());
    }
    DesignSurface::mousePressEvent(event);
}

void DesignView::resizeEvent(QResizeEvent* event) {
    model_.CenterX = width() / 2;
    model_.CenterY = height() / 2;
    DesignSurface::resizeEvent(event);
}

}  // namespace corvane
