#include "ProfileView.h"

#include "CutListSettings.h"
#include "DesignSurface.h"
#include "ShapeFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr double kMargin = 24.0;     // pixels round the drawing
constexpr double kPickRadius = 8.0;  // pixels from a point or the curve
constexpr int kCurveSteps = 200;

const QColor kBoardFill(0xE8, 0xD8, 0xBC);
const QColor kBoardEdge(0x8B, 0x6B, 0x45);
const QColor kOutside(0x20, 0x20, 0x20);
const QColor kInside(0x30, 0x60, 0xB0);
const QColor kSelected(0xD0, 0x20, 0x20);

bool isUndo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo);
}

bool isRedo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Redo) ||
           (key->key() == Qt::Key_Z &&
            key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier));
}

}  // namespace

ProfileView::ProfileView(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QWidget(parent), view_(view), settings_(settings) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 240);
    setMouseTracking(false);
}

void ProfileView::selectPoint(int index) {
    selected_ = index;
    emit selectionChanged();
    update();
}

// The whole section fits with the margin, one scale for both directions.
ProfileView::Frame ProfileView::frame() const {
    const BowlModel& model = view_.model();
    double widest = std::max(model.ID, model.OD) / 2.0;
    for (const RingSize& ring : RingSizesOf(model, settings_.allowanceInches())) {
        widest = std::max(widest, ring.cutOuterRadius);
    }
    for (const ProfilePoint& p : PlacedProfile(model)) {
        widest = std::max(widest, p.radius);
    }
    const double tallest = std::max(RimHeight(model), 0.1);
    widest = std::max(widest, 0.1);
    const double scale = std::max(
        std::min((width() - 2 * kMargin) / widest, (height() - 2 * kMargin) / tallest), 1.0);
    return {scale, QPointF(kMargin, height() - kMargin)};
}

QPointF ProfileView::pixelOf(ProfilePoint inches) const {
    return pixelIn(frame(), inches);
}

QPointF ProfileView::pixelIn(const Frame& f, ProfilePoint inches) {
    return f.origin + QPointF(inches.radius * f.scale, -inches.height * f.scale);
}

ProfilePoint ProfileView::inchesAt(QPointF pixel) const {
    const Frame f = frame();
    return {(pixel.x() - f.origin.x()) / f.scale, (f.origin.y() - pixel.y()) / f.scale};
}

int ProfileView::pointNear(QPointF pixel) const {
    const std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    const Frame f = frame();
    int nearest = -1;
    double best = kPickRadius;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF d = pixelIn(f, points[i]) - pixel;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            nearest = int(i);
        }
    }
    return nearest;
}

int ProfileView::rowAt(ProfilePoint inches) const {
    const std::vector<RowSpan> rows = RowSpansOf(view_.model());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (inches.height >= rows[i].bottom && inches.height < rows[i].top) {
            return int(i) + 1;
        }
    }
    return 0;
}

void ProfileView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    const BowlModel& model = view_.model();
    const Frame f = frame();
    paintBoards(painter, f, RingSizesOf(model, settings_.allowanceInches()));
    paintWalls(painter, f, ProfileOf(model));
    paintPoints(painter, f);
}

// The disc's blank and every row's board, the chosen row outlined in red.
void ProfileView::paintBoards(QPainter& painter, const Frame& f,
                              const std::vector<RingSize>& rings) const {
    const BowlModel& model = view_.model();
    const double floor = FloorHeight(model);
    const double disc = ProfileOf(model).radius(floor) + settings_.allowanceInches();
    painter.setPen(QPen(kBoardEdge, 1));
    painter.setBrush(kBoardFill);
    painter.drawRect(QRectF(pixelIn(f, {0.0, floor}), pixelIn(f, {disc, 0.0})));
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const RingSize& ring = rings[i];
        const QRectF board(pixelIn(f, {ring.cutInnerRadius, ring.span.top}),
                           pixelIn(f, {ring.cutOuterRadius, ring.span.bottom}));
        const bool chosen = int(i) + 1 == selectedRow_;
        painter.setPen(QPen(chosen ? kSelected : kBoardEdge, chosen ? 2 : 1));
        painter.drawRect(board);
        painter.setPen(kBoardEdge);
        painter.drawText(board, Qt::AlignCenter, QString::number(i + 1));
    }
}

void ProfileView::paintWalls(QPainter& painter, const Frame& f, const BowlProfile& profile) const {
    const BowlModel& model = view_.model();
    const double floor = FloorHeight(model);
    const double rim = RimHeight(model);
    QPainterPath outside;
    QPainterPath inside;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double z = floor + (rim - floor) * i / kCurveSteps;
        const QPointF out = pixelIn(f, {profile.radius(z), z});
        const QPointF in = pixelIn(f, {std::max(profile.insideRadius(z), 0.0), z});
        if (i == 0) {
            outside.moveTo(out);
            inside.moveTo(in);
        } else {
            outside.lineTo(out);
            inside.lineTo(in);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInside, 2));
    painter.drawPath(inside);
    painter.drawLine(pixelIn(f, {0.0, floor}),
                     pixelIn(f, {std::max(profile.insideRadius(floor), 0.0), floor}));
    painter.setPen(QPen(kOutside, 2));
    painter.drawPath(outside);
    painter.setPen(QPen(kOutside, 1, Qt::DashLine));
    painter.drawLine(pixelIn(f, {0.0, 0.0}), pixelIn(f, {0.0, rim}));
}

void ProfileView::paintPoints(QPainter& painter, const Frame& f) const {
    const std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool chosen = int(i) == selected_;
        painter.setPen(QPen(chosen ? kSelected : kOutside, 1));
        painter.setBrush(chosen ? kSelected : palette().base().color());
        painter.drawRect(QRectF(pixelIn(f, points[i]) - QPointF(4, 4), QSizeF(8, 8)));
    }
}

void ProfileView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int point = pointNear(event->position());
    if (point >= 0) {
        selectPoint(point);
        dragging_ = true;
        emit dragStarted();
        return;
    }
    const int row = rowAt(inchesAt(event->position()));
    if (row > 0) {
        selectedRow_ = row;
    }
    selectPoint(-1);  // tells the panel, which shows the chosen row's height
}

void ProfileView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && selected_ >= 0) {
        emit pointMoved(selected_, inchesAt(event->position()));
    }
}

void ProfileView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        emit dragEnded();
    }
}

// On the curve between floor and rim: a point there, where the curve is.
void ProfileView::mouseDoubleClickEvent(QMouseEvent* event) {
    const BowlModel& model = view_.model();
    const ProfilePoint at = inchesAt(event->position());
    if (!(at.height > FloorHeight(model) && at.height < RimHeight(model))) {
        return;
    }
    const ProfilePoint onCurve{ProfileOf(model).radius(at.height), at.height};
    const QPointF d = pixelOf(onCurve) - event->position();
    if (std::hypot(d.x(), d.y()) <= kPickRadius) {
        emit pointAdded(onCurve);
    }
}

void ProfileView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && selected_ >= 0) {
        emit removeRequested(selected_);
    } else if (isRedo(event)) {
        emit redoRequested();
    } else if (isUndo(event)) {
        emit undoRequested();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// Ctrl+Z is the fills' undo everywhere else; here it belongs to the shape.
bool ProfileView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isUndo(key) || isRedo(key) || key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

}  // namespace corvane
