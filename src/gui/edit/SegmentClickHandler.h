#pragma once

#include <QObject>
#include <QPoint>

namespace corvane {

class DesignSurface;

// Turns a left click in the view into a fill of the segment under it (and
// its symmetric counterparts), then recounts and repaints at once.
class SegmentClickHandler : public QObject {
    Q_OBJECT

public:
    explicit SegmentClickHandler(DesignSurface& view);

    void handleClick(QPoint position);

private:
    unsigned int shownColorAt(QPoint position);

    DesignSurface& view_;
};

}  // namespace corvane
