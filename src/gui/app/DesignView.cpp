#include "DesignView.h"

#include "AppSettings.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// A notch of the wheel turns 120 eighths of a degree and scrolls three lines.
constexpr double kWheelNotch = 120.0;
constexpr int kScrollLine = 20;

ZoomRequest RememberedZoom() {
    const double zoom = AppSettings().value(SettingsKeys::ViewZoom, 0.0).toDouble();
    ZoomRequest request;
    request.fit = !(zoom > 0.0) || !std::isfinite(zoom);
    request.zoom = request.fit ? 1.0 : ClampZoom(zoom);
    return request;
}

void Remember(const ZoomRequest& request) {
    AppSettings().setValue(SettingsKeys::ViewZoom, request.fit ? 0.0 : request.zoom);
}

QScrollBar* MakeScrollBar(Qt::Orientation orientation) {
    auto* bar = new QScrollBar(orientation);
    bar->setSingleStep(kScrollLine);
    bar->hide();
    return bar;
}

}  // namespace

DesignView::DesignView(DesignDocument& document, QWidget* parent)
    : DesignSurface(parent),
      document_(document),
      request_(RememberedZoom()),
      horizontalBar_(MakeScrollBar(Qt::Horizontal)),
      verticalBar_(MakeScrollBar(Qt::Vertical)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    horizontalBar_->setParent(this);
    verticalBar_->setParent(this);
    connect(&document_, &DesignDocument::changed, this, &DesignView::onDesignChanged);
    connect(horizontalBar_, &QScrollBar::valueChanged, this,
            [this](int x) { scrollTo(x, request_.scrollY); });
    connect(verticalBar_, &QScrollBar::valueChanged, this,
            [this](int y) { scrollTo(request_.scrollX, y); });
    // Geometry stays in logical pixels whatever the screen's pixel ratio.
    document_.setPixelsPerInch(logicalDpiX());
}

std::uint32_t DesignView::shownColorAt(QPoint position) const {
    return picture_.colorAt(position);
}

void DesignView::setZoomRequest(const ZoomRequest& request) {
    request_ = request;
    request_.zoom = ClampZoom(request.zoom);
    Remember(request_);
    repaintNow();
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

RenderOptions DesignView::renderOptions() const {
    RenderOptions options;
    options.zoom = request_;
    return options;
}

bool DesignView::pictureIsCurrent() const {
    return !fullPaintPending_ &&
           picture_.isCurrent(document_.model(), size(), devicePixelRatioF(), renderOptions());
}

// A fill or an undo redraws the records it recoloured and the tallies;
// anything else paints the whole view anew. Either way before returning, so
// that the next click is tested against what the window shows.
void DesignView::onDesignChanged(const DesignChange& change) {
    if (change.onlyReshaped()) {
        return;
    }
    if (change.onlyRecolored() && pictureIsCurrent()) {
        repaint(picture_.repaintRecords(document_.model(), change.records));
        followPlacement();
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
        picture_.paintAll(document_.model(), size(), devicePixelRatioF(), renderOptions());
        fullPaintPending_ = false;
        followPlacement();
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPointF(0.0, 0.0), picture_.image());
}

// The scroll bars show how far the painted design can scroll; they are
// there only while it is larger than the view.
void DesignView::followPlacement() {
    const ViewPlacement& placement = layout().Placement;
    const auto follow = [](QScrollBar* bar, int range, int value, int page) {
        const QSignalBlocker quiet(bar);
        bar->setRange(-range, range);
        bar->setPageStep(page);
        bar->setValue(value);
        bar->setVisible(range > 0);
    };
    follow(horizontalBar_, placement.scrollRangeX, placement.scrollX, width());
    follow(verticalBar_, placement.scrollRangeY, placement.scrollY, height());
    if (placement.zoom != shownZoom_) {
        shownZoom_ = placement.zoom;
        emit zoomChanged(shownZoom_);
    }
}

void DesignView::scrollTo(int x, int y) {
    const ViewPlacement& placement = layout().Placement;
    x = std::clamp(x, -placement.scrollRangeX, placement.scrollRangeX);
    y = std::clamp(y, -placement.scrollRangeY, placement.scrollRangeY);
    if (x == request_.scrollX && y == request_.scrollY) {
        return;
    }
    request_.scrollX = x;
    request_.scrollY = y;
    repaintNow();
}

void DesignView::zoomAbout(double zoom, QPointF position) {
    const ViewLayout& shown = layout();
    setZoomRequest(ZoomAbout(width(), height(), shown.Placement, zoom, position.x(), position.y()));
}

void DesignView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftClicked(event->position().toPoint());
    } else if (event->button() == Qt::MiddleButton) {
        panning_ = true;
        panFrom_ = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
    DesignSurface::mousePressEvent(event);
}

void DesignView::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPoint moved = event->position().toPoint() - panFrom_;
        panFrom_ = event->position().toPoint();
        const ViewPlacement& placement = layout().Placement;
        scrollTo(placement.scrollX - moved.x(), placement.scrollY - moved.y());
    }
    DesignSurface::mouseMoveEvent(event);
}

void DesignView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && panning_) {
        panning_ = false;
        setCursor(Qt::ArrowCursor);
    }
    DesignSurface::mouseReleaseEvent(event);
}

// The wheel scrolls (with Shift, sideways); with Ctrl it zooms about the pointer.
void DesignView::wheelEvent(QWheelEvent* event) {
    const QPoint turned = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        const double notches = turned.y() / kWheelNotch;
        zoomAbout(layout().Placement.zoom * std::pow(kZoomStep, notches), event->position());
        event->accept();
        return;
    }
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || turned.y() == 0;
    const int lines = static_cast<int>(
        std::lround((sideways ? turned.x() + turned.y() : turned.y()) / kWheelNotch * 3.0));
    const ViewPlacement& placement = layout().Placement;
    if (sideways) {
        scrollTo(placement.scrollX - lines * kScrollLine, placement.scrollY);
    } else {
        scrollTo(placement.scrollX, placement.scrollY - lines * kScrollLine);
    }
    event->accept();
}

}  // namespace corvane
