#pragma once

#include <QObject>
#include <QPoint>

namespace corvane {

class DesignSurface;

// Turns a left click in the view into a fill of the segment under it (and,
// in symmetry mode, of its counterparts in the other sectors).
class SegmentClickHandler : public QObject {
    Q_OBJECT

public:
    explicit SegmentClickHandler(DesignSurface& view);

    void handleClick(QPoint position);

private:
    DesignSurface& view_;
};

}  // namespace corvane
