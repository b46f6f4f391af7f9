#pragma once

#include <QQuick3DGeometry>

namespace corvane {

// The bowl's triangles as Qt Quick 3D draws them: positions, normals,
// colours and distances to the joints interleaved, as the core builds them.
class BowlGeometry : public QQuick3DGeometry {
    Q_OBJECT

public:
    explicit BowlGeometry(QQuick3DObject* parent = nullptr);

    void setMesh(const QByteArray& vertices, const QByteArray& indices, const QVector3D& boundsMin,
                 const QVector3D& boundsMax);
};

}  // namespace corvane
