#include "DrawSectorOutline.h"

#include "ActiveSector.h"
#include "BowlModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace corvane {

namespace {

void drawEdge(QPainter& painter, const std::vector<PointF>& points) {
    for (size_t i = 1; i < points.size(); ++i) {
        painter.drawLine(QPointF(points[i - 1].x, points[i - 1].y),
                         QPointF(points[i].x, points[i].y));
    }
}

// Angles are clockwise on screen; Qt counts them counter-clockwise.
void drawArc(QPainter& painter, QPointF centre, const SectorArc& arc) {
    const QRectF box(centre.x() - arc.radius, centre.y() - arc.radius, 2.0 * arc.radius,
                     2.0 * arc.radius);
    QPainterPath path;
    path.arcMoveTo(box, -arc.startAngle);
    path.arcTo(box, -arc.startAngle, -arc.sweepAngle);
    painter.drawPath(path);
}

}  // namespace

void DrawSectorOutline(QPainter& painter, BowlModel& model) {
    if (model.SymmetrySectors < 1 || model.Segments < 1) {
        return;
    }
    DrawSectorOutline(painter, ComputeSectorOutline(model), QPointF(model.CenterX, model.CenterY));
}

void DrawSectorOutline(QPainter& painter, const SectorOutline& outline, QPointF centre) {
    painter.save();
    painter.setPen(QPen(QColor(0xFF, 0x00, 0x00), 6.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    drawEdge(painter, outline.endEdge);
    drawEdge(painter, outline.startEdge);
    drawArc(painter, centre, outline.innerArc);
    drawArc(painter, centre, outline.outerArc);
    painter.restore();
}

}  // namespace corvane
