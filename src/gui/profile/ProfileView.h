#pragma once

#include "BowlProfile.h"
#include "RingSizes.h"

#include <QWidget>

#include <vector>

namespace corvane {

class CutListSettings;
class DesignSurface;

// The bowl's half section to scale: the outside curve through its points,
// the inside wall, the floor, and every row's cut board from its inner cut
// radius to its outer one, numbered. Painting only reads the design; the
// edits made with the mouse and keys are passed on as requests.
class ProfileView : public QWidget {
    Q_OBJECT

public:
    ProfileView(DesignSurface& view, CutListSettings& settings, QWidget* parent = nullptr);

    int selectedPoint() const { return selected_; }
    int selectedRow() const { return selectedRow_; }
    void selectPoint(int index);

    // Where a point in inches (radius, height) is drawn, in widget pixels.
    QPointF pixelOf(ProfilePoint inches) const;
    ProfilePoint inchesAt(QPointF pixel) const;

signals:
    void dragStarted();
    void dragEnded();
    void pointMoved(int index, corvane::ProfilePoint inches);
    void pointAdded(corvane::ProfilePoint inches);
    void removeRequested(int index);
    void undoRequested();
    void redoRequested();
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Frame {
        double scale = 1.0;  // pixels per inch
        QPointF origin;      // where the axis meets the underside of the disc
    };
    Frame frame() const;
    static QPointF pixelIn(const Frame& f, ProfilePoint inches);
    int pointNear(QPointF pixel) const;
    int rowAt(ProfilePoint inches) const;
    void paintBoards(QPainter& painter, const Frame& f, const std::vector<RingSize>& rings) const;
    void paintWalls(QPainter& painter, const Frame& f, const BowlProfile& profile) const;
    void paintPoints(QPainter& painter, const Frame& f) const;

    DesignSurface& view_;
    CutListSettings& settings_;
    int selected_ = -1;
    int selectedRow_ = 1;
    bool dragging_ = false;
};

}  // namespace corvane
