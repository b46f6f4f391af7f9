#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QVector3D>

#include <functional>

class QWidget;
class QWindow;

namespace corvane {

// The 3D engine behind the preview, as the program sees it. The engine (Qt
// Quick 3D) lives in a module of its own that is loaded the first time a
// bowl is shown in 3D, so that starting the program never loads it.
// Only Qt types and plain data cross this line.
class BowlRenderer {
public:
    virtual ~BowlRenderer() = default;

    // The widget that shows the bowl live; made once, owned by parent.
    virtual QWidget* createWidget(QWidget* parent) = 0;
    // The window the bowl is drawn in (for mouse input in tests).
    virtual QWindow* window() = 0;

    // Vertices laid out as MeshVertexLayout says, 32-bit triangle indices,
    // and their bounds, in inches.
    virtual void setMesh(const QByteArray& vertices, const QByteArray& indices,
                         const QVector3D& boundsMin, const QVector3D& boundsMax) = 0;

    // Called on the program's thread after every frame the engine has put
    // on the screen (it draws on a thread of its own).
    virtual void setFrameDrawnHandler(std::function<void()> handler) = 0;

    // Whether the joints show as thin dark lines; the mesh stays as it is.
    virtual void setGlueLines(bool shown) = 0;

    // The camera circles the bowl: degrees around it and above it, and a
    // zoom factor (1 = the whole bowl fills the view).
    virtual double azimuth() const = 0;
    virtual double elevation() const = 0;
    virtual double zoom() const = 0;
    virtual void setCamera(double azimuth, double elevation, double zoom) = 0;
    // Back to the three-quarter view from above.
    virtual void resetCamera() = 0;
    // A view without perspective at this many pixels per inch, which from
    // straight above (elevation 90) is the plan's scale; 0 returns to the
    // perspective camera.
    virtual void setOrthographicScale(double pixelsPerInch) = 0;

    // The picture as it is drawn now. A window that is not on the screen is
    // drawn at the size given; a null image when nothing could be drawn.
    virtual QImage grab(QSize size) = 0;
};

// What the module exports, under the name kCreateBowlRendererSymbol.
using CreateBowlRendererFunction = BowlRenderer* (*)();
inline constexpr const char* kCreateBowlRendererSymbol = "corvane_create_bowl_renderer";

}  // namespace corvane
