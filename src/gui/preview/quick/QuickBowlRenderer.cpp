#include "QuickBowlRenderer.h"

#include "BowlGeometry.h"
#include "MeshVertexLayout.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace corvane {

QuickBowlRenderer::QuickBowlRenderer() {
    static const int registered =
        qmlRegisterType<BowlGeometry>("Corvane.Preview", 1, 0, "BowlGeometry");
    Q_UNUSED(registered);
    view_ = new QQuickView;
    view_->setResizeMode(QQuickView::SizeRootObjectToView);
    view_->setColor(QColor(0xE4, 0xE4, 0xE4));
    view_->setSource(QUrl(QStringLiteral("qrc:/corvane/BowlScene.qml")));
    root_ = view_->rootObject();
    if (root_ != nullptr) {
        geometry_ = root_->property("bowlGeometry").value<BowlGeometry*>();
        showGlueLinesAsTheMeshSays();
    }
}

// The lines' width and colour come from the mesh's own description, so that
// the scene never holds a second copy.
void QuickBowlRenderer::showGlueLinesAsTheMeshSays() {
    using Layout = MeshVertexLayout;
    root_->setProperty("glueLineWidth", double(Layout::kGlueLineWidth));
    root_->setProperty("glueLineColor", QVector3D(Layout::kGlueLineRed, Layout::kGlueLineGreen,
                                                  Layout::kGlueLineBlue));
}

void QuickBowlRenderer::setFrameDrawnHandler(std::function<void()> handler) {
    QObject::disconnect(view_, &QQuickWindow::frameSwapped, view_, nullptr);
    QObject::connect(view_, &QQuickWindow::frameSwapped, view_, std::move(handler),
                     Qt::QueuedConnection);
}

void QuickBowlRenderer::setGlueLines(bool shown) {
    if (root_ != nullptr) {
        root_->setProperty("glueLines", shown);
    }
}

QuickBowlRenderer::~QuickBowlRenderer() {
    delete view_.data();
}

QWidget* QuickBowlRenderer::createWidget(QWidget* parent) {
    QWidget* container = QWidget::createWindowContainer(view_, parent);
    container->setFocusPolicy(Qt::NoFocus);
    return container;
}

QWindow* QuickBowlRenderer::window() {
    return view_;
}

// The camera circles the axis half way up the bowl, far enough out to see
// all of it.
void QuickBowlRenderer::setMesh(const QByteArray& vertices, const QByteArray& indices,
                                const QVector3D& boundsMin, const QVector3D& boundsMax) {
    if (geometry_ == nullptr) {
        return;
    }
    geometry_->setMesh(vertices, indices, boundsMin, boundsMax);
    const float middle = (boundsMin.y() + boundsMax.y()) / 2;
    const float halfHeight = (boundsMax.y() - boundsMin.y()) / 2;
    const float reach = std::max({std::fabs(boundsMin.x()), std::fabs(boundsMax.x()),
                                  std::fabs(boundsMin.z()), std::fabs(boundsMax.z())});
    root_->setProperty("center", QVector3D(0, middle, 0));
    root_->setProperty("radius", std::max(std::hypot(reach, halfHeight), 0.01f));
}

double QuickBowlRenderer::rootValue(const char* name) const {
    return root_ != nullptr ? root_->property(name).toDouble() : 0.0;
}

double QuickBowlRenderer::azimuth() const {
    return rootValue("azimuth");
}

double QuickBowlRenderer::elevation() const {
    return rootValue("elevation");
}

double QuickBowlRenderer::zoom() const {
    return rootValue("zoom");
}

void QuickBowlRenderer::setCamera(double azimuth, double elevation, double zoom) {
    if (root_ != nullptr) {
        root_->setProperty("azimuth", azimuth);
        root_->setProperty("elevation", elevation);
        root_->setProperty("zoom", zoom);
    }
}

void QuickBowlRenderer::resetCamera() {
    if (root_ != nullptr) {
        QMetaObject::invokeMethod(root_, "resetCamera");
    }
}

void QuickBowlRenderer::setOrthographicScale(double pixelsPerInch) {
    if (root_ != nullptr) {
        root_->setProperty("orthographicScale", pixelsPerInch);
    }
}

QImage QuickBowlRenderer::grab(QSize size) {
    if (root_ == nullptr) {
        return {};
    }
    // A window that was never shown lays out nothing by itself.
    if (!view_->isVisible() && size.isValid()) {
        view_->resize(size);
        root_->setSize(size);
    }
    return view_->grabWindow();
}

}  // namespace corvane

extern "C" Q_DECL_EXPORT corvane::BowlRenderer* corvane_create_bowl_renderer() {
    return new corvane::QuickBowlRenderer;
}
