#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace corvane {

class BowlModel;

// The one routine that paints a design: the view, printing and image export
// all go through it, so what is printed and exported is what is shown.
class DesignRenderer {
public:
    // Paints the whole client area of the given size. Leaves the bowl centre,
    // the tally rectangles and (in symmetry mode) the sector angles in model.
    static void paint(QPainter& painter, BowlModel& model, QSize clientSize);

    // Paints into a fresh opaque image whose resolution is the model's
    // pixels per inch, so that point sizes come out as on that screen.
    static QImage render(BowlModel& model, QSize clientSize);

private:
    static void paintDisc(QPainter& painter, const BowlModel& model);
    static void paintSegments(QPainter& painter, const BowlModel& model);
    static void paintRingCircles(QPainter& painter, const BowlModel& model);
    static void paintJoints(QPainter& painter, const BowlModel& model);
    static void paintTallies(QPainter& painter, BowlModel& model, QSize clientSize);
};

}  // namespace corvane
