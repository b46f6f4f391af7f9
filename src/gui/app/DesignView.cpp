#include "DesignView.h"

#include "ActiveSector.h"
#include "BowlModel.h"
#include "StatusPane.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace corvane {

DesignView::DesignView(BowlModel& model, QWidget* parent)
    : DesignSurface(parent), model_(model), segmentsSeen_(model.Segments) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    // Geometry stays in logical pixels whatever the screen's pixel ratio.
    model_.PixelsPerInch = logicalDpiX();
    model_.ComputeGeometry(model_.PixelsPerInch);
}

std::uint32_t DesignView::shownColorAt(QPoint position) const {
    return picture_.colorAt(position);
}

// When Segments changes (parameters box, file open) to a count the sectors
// no longer split evenly, copies would land at uneven steps, or several on
// one segment: the mode ends as its own command would end it, and the status
// bar says why.
void DesignView::endSymmetryThatNoLongerFits() {
    if (symmetryCheckHeld_) {
        return;
    }
    const int sectors = model_.SymmetrySectors;
    const bool segmentsChanged = model_.Segments != segmentsSeen_;
    segmentsSeen_ = model_.Segments;
    if (sectors == 0 || !segmentsChanged || SectorsFitSegments(sectors, model_.Segments)) {
        return;
    }
    model_.SymmetrySectors = 0;
    StatusPane::setText(
        QStringLiteral("Symmetry Mode ended: %1 segments per row cannot be split into %2 equal "
                       "sectors.")
            .arg(model_.Segments)
            .arg(sectors));
}

void DesignView::repaintNow() {
    endSymmetryThatNoLongerFits();
    fullPaintPending_ = true;
    repaint();
    emit designChanged();
}

void DesignView::holdSymmetryCheck(bool held) {
    const bool released = symmetryCheckHeld_ && !held;
    symmetryCheckHeld_ = held;
    if (released && model_.Segments != segmentsSeen_) {
        repaintNow();
    }
}

bool DesignView::pictureIsCurrent() const {
    return !fullPaintPending_ && picture_.isCurrent(model_, size(), devicePixelRatioF());
}

void DesignView::repaintRecords(const std::vector<int>& records) {
    if (!pictureIsCurrent()) {
        repaintNow();
        return;
    }
    repaint(picture_.repaintRecords(model_, records));
    emit designChanged();
}

// The tallies follow the rings on screen at once, not the next fill.
void DesignView::onParametersChanged() {
    model_.ComputeGeometry(model_.PixelsPerInch);
    model_.RecountRowTallies();
    repaintNow();
}

// Everything is drawn off-screen and shown in one copy, so a paint never
// flickers. The picture is painted anew only when something beyond the
// colours of some records changed (or it was asked for); otherwise the kept
// picture is shown again.
void DesignView::paintEvent(QPaintEvent* event) {
    if (!pictureIsCurrent()) {
        picture_.paintAll(model_, size(), devicePixelRatioF());
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

void DesignView::resizeEvent(QResizeEvent* event) {
    model_.CenterX = width() / 2;
    model_.CenterY = height() / 2;
    DesignSurface::resizeEvent(event);
}

}  // namespace corvane
