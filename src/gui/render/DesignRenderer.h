#pragma once

#include <QImage>
#include <QSize>

#include <optional>

class QPainter;

namespace corvane {

class BowlModel;
struct SectorOutline;

// The one routine that paints a design: the view, printing and image export
// all go through it, so what is printed and exported is what is shown.
class DesignRenderer {
public:
    // Paints the whole client area of the given size. Leaves the bowl centre,
    // the tally rectangles and (in symmetry mode) the sector angles in model.
    static void paint(QPainter& painter, BowlModel& model, QSize clientSize);

    // Paints into a fresh opaque image whose resolution is the model's
    // pixels per inch, so that point sizes come out as on that screen. The
    // same picture as paint(); the rings are drawn in horizontal bands on
    // all cores at once.
    static QImage render(BowlModel& model, QSize clientSize);

private:
    // What every paint first leaves in the model: the centre and, in
    // symmetry mode, the sector angles with the outline they give.
    static std::optional<SectorOutline> prepare(BowlModel& model, QSize clientSize);
    static void paintRings(QPainter& painter, const BowlModel& model,
                           const std::optional<SectorOutline>& outline);
    static void paintRingBand(QImage& image, int top, int bottom, const BowlModel& model,
                              const std::optional<SectorOutline>& outline);
    static void paintDisc(QPainter& painter, const BowlModel& model);
    static void paintSegments(QPainter& painter, const BowlModel& model);
    static void paintRingCircles(QPainter& painter, const BowlModel& model);
    static void paintJoints(QPainter& painter, const BowlModel& model);
    static void paintTallies(QPainter& painter, BowlModel& model, QSize clientSize);
};

}  // namespace corvane
