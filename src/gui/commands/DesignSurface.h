#pragma once

#include "CommandTarget.h"
#include "DesignDocument.h"
#include "DesignPlacement.h"
#include "ViewLayout.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace corvane {

// The window that shows the design and is offered every design command
// first. The command handlers below the application work through this, so
// they never depend on the concrete view.
class DesignSurface : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual DesignDocument& document() = 0;
    const BowlModel& model() { return document().model(); }
    virtual CommandTarget& commands() = 0;
    virtual const CommandTarget& commands() const = 0;

    // Where the last paint put the bowl centre, the tally columns and the
    // active sector.
    virtual const ViewLayout& layout() const = 0;
    // The picture of the last paint, exactly as the window shows it, in
    // device pixels (its device pixel ratio set).
    virtual const QImage& lastPaintedImage() const = 0;
    // The colour the window shows at a client point (logical pixels), opaque.
    virtual std::uint32_t shownColorAt(QPoint position) const = 0;

    // The zoom and scroll the view shows the design at; a new one is shown
    // at once and remembered for the next start.
    virtual const ZoomRequest& zoomRequest() const = 0;
    virtual void setZoomRequest(const ZoomRequest& request) = 0;

    // Paints the whole view anew before returning.
    virtual void repaintNow() = 0;
    // Paints now if the window does not show the design as it is (never
    // painted, or resized since): a click is tested against what it shows.
    virtual void paintIfStale() = 0;

signals:
    // A left click in the view, in client pixels.
    void leftClicked(QPoint position);
    // The zoom a paint showed the design at changed (1 is true scale).
    void zoomChanged(double zoom);
};

}  // namespace corvane
