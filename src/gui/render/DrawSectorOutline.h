#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

namespace corvane {

struct SectorOutline;

// Draws the red outline of the active symmetry sector, already computed for
// the bowl centre given. Only what falls inside visible is drawn, so radii
// far beyond the window never reach the rasterizer. The painter draws in
// design coordinates at the zoom given; the pen keeps its width on screen.
void DrawSectorOutline(QPainter& painter, const SectorOutline& outline, QPointF centre,
                       const QRectF& visible, double zoom = 1.0);

}  // namespace corvane
