#include "ZoomCommands.h"

#include "CommandIds.h"
#include "DesignSurface.h"

namespace corvane {

ZoomCommands::ZoomCommands(DesignSurface& view) : QObject(&view), view_(view) {
    CommandTarget& commands = view_.commands();
    commands.add(cmd::ZoomToFit, [this] { zoomToFit(); });
    commands.add(cmd::ActualSize, [this] { zoomTo(1.0); });
    commands.add(cmd::ZoomIn, [this] { zoomTo(shownZoom() * kZoomStep); });
    commands.add(cmd::ZoomOut, [this] { zoomTo(shownZoom() / kZoomStep); });
    commands.setChecked(cmd::ZoomToFit, [this] { return view_.zoomRequest().fit; });
}

void ZoomCommands::zoomToFit() {
    ZoomRequest request;
    request.fit = true;
    view_.setZoomRequest(request);
}

void ZoomCommands::zoomTo(double zoom) {
    view_.paintIfStale();
    const ViewLayout& shown = view_.layout();
    const int width = view_.width();
    const int height = view_.height();
    view_.setZoomRequest(ZoomAbout(width, height, shown.Placement, zoom, width / 2, height / 2));
}

double ZoomCommands::shownZoom() const {
    return view_.layout().Placement.zoom;
}

}  // namespace corvane
