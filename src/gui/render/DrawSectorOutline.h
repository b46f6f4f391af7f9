#pragma once

class QPainter;

namespace corvane {

class BowlModel;

// Draws the red outline of the active symmetry sector and stores its angles.
void DrawSectorOutline(QPainter& painter, BowlModel& model);

}  // namespace corvane
