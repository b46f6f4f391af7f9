#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;

// "Zoom to Fit", "Actual Size", "Zoom In" and "Zoom Out". The steps zoom
// about the middle of the view, so that what is there stays there.
class ZoomCommands : public QObject {
    Q_OBJECT

public:
    explicit ZoomCommands(DesignSurface& view);

    void zoomToFit();
    void zoomTo(double zoom);

private:
    double shownZoom() const;

    DesignSurface& view_;
};

}  // namespace corvane
