#pragma once

#include "CommandTarget.h"

#include <QImage>
#include <QWidget>

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

    // The picture of the last paint, exactly as the window shows it.
    virtual const QImage& lastPaintedImage() const = 0;

    // Invalidates the whole view and paints it before returning.
    virtual void repaintNow() = 0;
    // Invalidates the tally columns (the first always, the others when in use).
    virtual void invalidateTallies() = 0;

public slots:
    // A design parameter changed: recompute the geometry and repaint at once.
    virtual void onParametersChanged() = 0;

signals:
    // A left click in the view, in client pixels.
    void leftClicked(QPoint position);
    // The design may have changed and has just been repainted.
    void designChanged();
};

}  // namespace corvane
