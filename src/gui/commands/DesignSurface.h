#pragma once

#include "CommandTarget.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace corvane {

class BowlModel;

// The window that shows the design and is offered every design command
// first. The command handlers below the application work through this, so
// they never depend on the concrete view.
class DesignSurface : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual BowlModel& model() = 0;
    virtual CommandTarget& commands() = 0;
    virtual const CommandTarget& commands() const = 0;

    // The picture of the last paint, exactly as the window shows it, in
    // device pixels (its device pixel ratio set).
    virtual const QImage& lastPaintedImage() const = 0;
    // The colour the window shows at a client point (logical pixels), opaque.
    virtual std::uint32_t shownColorAt(QPoint position) const = 0;

    // Paints the whole view anew before returning. A symmetry mode that no
    // longer fits the segments ends first, with the reason in the status bar.
    virtual void repaintNow() = 0;
    // While the parameters box is open, Segments passes through the values
    // typed on the way to another ("1" on the way to "12"): symmetry mode is
    // judged when the box closes, and no click can fill before then.
    virtual void holdSymmetryCheck(bool held) = 0;
    // The colours of these records changed and the tallies were recounted:
    // repaints their areas and the tally columns before returning.
    virtual void repaintRecords(const std::vector<int>& records) = 0;

public slots:
    // A design parameter changed: recompute the geometry, recount the
    // tallies and repaint at once.
    virtual void onParametersChanged() = 0;

signals:
    // A left click in the view, in client pixels.
    void leftClicked(QPoint position);
    // The design may have changed and has just been repainted.
    void designChanged();
};

}  // namespace corvane
