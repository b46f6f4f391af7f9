#pragma once

#include "DesignPicture.h"
#include "DesignSurface.h"

class QScrollBar;

namespace corvane {

// The design view: paints the document's design, turns left clicks into
// fills and is the first to be offered every menu command. It keeps the
// picture of the last paint, at the screen's device pixel ratio, so that a
// fill redraws only the segments it changed and the tally columns. It shows
// the design zoomed and scrolled: the wheel scrolls, Ctrl+wheel zooms about
// the pointer and a middle-button drag pans; its scroll bars are given to
// the window to place beside it.
class DesignView : public DesignSurface {
    Q_OBJECT

public:
    explicit DesignView(DesignDocument& document, QWidget* parent = nullptr);

    DesignDocument& document() override { return document_; }
    CommandTarget& commands() override { return commands_; }
    const CommandTarget& commands() const override { return commands_; }

    const ViewLayout& layout() const override { return picture_.layout(); }
    const QImage& lastPaintedImage() const override { return picture_.image(); }
    std::uint32_t shownColorAt(QPoint position) const override;

    const ZoomRequest& zoomRequest() const override { return request_; }
    void setZoomRequest(const ZoomRequest& request) override;

    void repaintNow() override;
    void paintIfStale() override;

    QScrollBar* horizontalScrollBar() const { return horizontalBar_; }
    QScrollBar* verticalScrollBar() const { return verticalBar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onDesignChanged(const DesignChange& change);
    bool pictureIsCurrent() const;
    RenderOptions renderOptions() const;
    void followPlacement();
    void scrollTo(int x, int y);
    void zoomAbout(double zoom, QPointF position);

    DesignDocument& document_;
    CommandTarget commands_;
    DesignPicture picture_;
    bool fullPaintPending_ = true;
    ZoomRequest request_;
    double shownZoom_ = 0.0;
    QScrollBar* horizontalBar_;
    QScrollBar* verticalBar_;
    bool panning_ = false;
    QPoint panFrom_;
};

}  // namespace corvane
