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
void drawArc(QPainter& painter, const BowlModel& model, const SectorArc& arc) {
    const QRectF box(model.CenterX - arc.radius, model.CenterY - arc.radius, 2.0 * arc.radius,
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
    const SectorOutline outline = ComputeSectorOutline(model);
    painter.save();
    painter.setPen(QPen(QColor(0xFF, 0x00, 0x00), 6.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    drawEdge(painter, outline.endEdge);
    drawEdge(painter, outline.startEdge);
    drawArc(painter, model, outline.innerArc);
    drawArc(painter, model, outline.outerArc);
    painter.restore();
}

}  // namespace corvane
