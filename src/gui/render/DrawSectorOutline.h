#pragma once

#include <QPointF>

class QPainter;

namespace corvane {

class BowlModel;
struct SectorOutline;

// Draws the red outline of the active symmetry sector and stores its angles.
void DrawSectorOutline(QPainter& painter, BowlModel& model);

// Draws an outline already computed for the bowl centre given.
void DrawSectorOutline(QPainter& painter, const SectorOutline& outline, QPointF centre);

}  // namespace corvane
