#pragma once

#include "BowlRenderer.h"

#include <QPointer>

class QQuickItem;
class QQuickView;

namespace corvane {

class BowlGeometry;

// The preview's engine: a Qt Quick 3D scene in a window of its own, which
// the panel embeds and the command line draws without showing.
class QuickBowlRenderer final : public BowlRenderer {
public:
    QuickBowlRenderer();
    ~QuickBowlRenderer() override;

    QWidget* createWidget(QWidget* parent) override;
    QWindow* window() override;
    void setMesh(const QByteArray& vertices, const QByteArray& indices, const QVector3D& boundsMin,
                 const QVector3D& boundsMax) override;
    void setFrameDrawnHandler(std::function<void()> handler) override;
    void setGlueLines(bool shown) override;
    double azimuth() const override;
    double elevation() const override;
    double zoom() const override;
    void setCamera(double azimuth, double elevation, double zoom) override;
    void resetCamera() override;
    void setOrthographicScale(double pixelsPerInch) override;
    QImage grab(QSize size) override;

private:
    double rootValue(const char* name) const;
    void showGlueLinesAsTheMeshSays();

    // Owned here until a widget embeds it; then the widget owns it.
    QPointer<QQuickView> view_;
    QQuickItem* root_ = nullptr;
    BowlGeometry* geometry_ = nullptr;
};

}  // namespace corvane
