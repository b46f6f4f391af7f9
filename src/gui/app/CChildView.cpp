#include "CChildView.h"

#include "BowlModel.h"
#include "DesignRenderer.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

CChildView::CChildView(BowlModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    model_.PixelsPerInch = logicalDpiX();
    model_.ComputeGeometry(model_.PixelsPerInch);
}

void CChildView::repaintNow() {
    repaint();
    emit designChanged();
}

void CChildView::invalidateTallies() {
    for (int i = 0; i < 3; ++i) {
        const IntRect& column = model_.TallyRects[i];
        if (i == 0 || !column.IsRectEmpty()) {
            update(QRect(column.left, column.top, column.right - column.left,
                         column.bottom - column.top));
        }
    }
}

void CChildView::onParametersChanged() {
    model_.ComputeGeometry(model_.PixelsPerInch);
    repaintNow();
}

// Everything is drawn off-screen and shown in one copy, so a paint never
// flickers; the picture is kept for the click's colour test.
void CChildView::paintEvent(QPaintEvent*) {
    lastPainted_ = DesignRenderer::render(model_, size());
    QPainter painter(this);
    painter.drawImage(0, 0, lastPainted_);
}

void CChildView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftClicked(event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void CChildView::resizeEvent(QResizeEvent* event) {
    model_.CenterX = width() / 2;
    model_.CenterY = height() / 2;
    QWidget::resizeEvent(event);
}

}  // namespace corvane
