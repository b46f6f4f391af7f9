#include "DrawSectorOutline.h"

#include "ActiveSector.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr double kPenWidth = 6.0;

// Cuts a line to the rectangle (Liang-Barsky); false when nothing is left.
bool ClipLine(QLineF& line, const QRectF& box) {
    if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2()) ||
        !std::isfinite(line.y2())) {
        return false;
    }
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = line.dx();
    const double dy = line.dy();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                        box.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (!(q[i] >= 0.0)) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (!(t0 <= t1)) {
        return false;
    }
    const QPointF start = line.pointAt(t0);
    line = QLineF(start, line.pointAt(t1));
    return true;
}

bool Inside(const std::vector<PointF>& points, const QRectF& box) {
    return std::all_of(points.begin(), points.end(),
                       [&](const PointF& p) { return box.contains(QPointF(p.x, p.y)); });
}

// One polyline keeps the corners joined; an edge that leaves the window is
// drawn piece by piece, each cut to what can show.
void drawEdge(QPainter& painter, const std::vector<PointF>& points, const QRectF& box) {
    if (Inside(points, box)) {
        QPolygonF polyline;
        polyline.reserve(static_cast<qsizetype>(points.size()));
        for (const PointF& p : points) {
            polyline << QPointF(p.x, p.y);
        }
        painter.drawPolyline(polyline);
        return;
    }
    for (size_t i = 1; i < points.size(); ++i) {
        QLineF piece(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
        if (ClipLine(piece, box)) {
            painter.drawLine(piece);
        }
    }
}

// Angles are clockwise on screen; Qt counts them counter-clockwise. An arc
// whose circle lies wholly outside the window is not drawn.
void drawArc(QPainter& painter, QPointF centre, const SectorArc& arc, const QRectF& box) {
    const double reach = std::hypot(
        std::max(std::fabs(box.left() - centre.x()), std::fabs(box.right() - centre.x())),
        std::max(std::fabs(box.top() - centre.y()), std::fabs(box.bottom() - centre.y())));
    if (!(std::fabs(arc.radius) <= reach) || !std::isfinite(arc.startAngle) ||
        !std::isfinite(arc.sweepAngle)) {
        return;
    }
    const QRectF square(centre.x() - arc.radius, centre.y() - arc.radius, 2.0 * arc.radius,
                        2.0 * arc.radius);
    QPainterPath path;
    path.arcMoveTo(square, -arc.startAngle);
    path.arcTo(square, -arc.startAngle, -arc.sweepAngle);
    painter.drawPath(path);
}

}  // namespace

void DrawSectorOutline(QPainter& painter, const SectorOutline& outline, QPointF centre,
                       const QRectF& visible, double zoom) {
    const double pen = kPenWidth / zoom;
    const QRectF box = visible.adjusted(-pen, -pen, pen, pen);
    painter.save();
    painter.setPen(QPen(QColor(0xFF, 0x00, 0x00), pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    drawEdge(painter, outline.endEdge, box);
    drawEdge(painter, outline.startEdge, box);
    drawArc(painter, centre, outline.innerArc, box);
    drawArc(painter, centre, outline.outerArc, box);
    painter.restore();
}

}  // namespace corvane
