#include "BowlGeometry.h"

#include <QVector3D>

namespace corvane {

namespace {

constexpr int kFloatBytes = 4;
constexpr int kStride = 10 * kFloatBytes;

}  // namespace

// Laid out from the start: Qt Quick 3D divides by the stride of whatever it
// draws, even before there is a bowl.
BowlGeometry::BowlGeometry(QQuick3DObject* parent) : QQuick3DGeometry(parent) {
    setMesh({}, {}, {}, {});
}

void BowlGeometry::setMesh(const QByteArray& vertices, const QByteArray& indices,
                           const QVector3D& boundsMin, const QVector3D& boundsMax) {
    clear();
    setStride(kStride);
    setPrimitiveType(PrimitiveType::Triangles);
    addAttribute(Attribute::PositionSemantic, 0, Attribute::F32Type);
    addAttribute(Attribute::NormalSemantic, 3 * kFloatBytes, Attribute::F32Type);
    addAttribute(Attribute::ColorSemantic, 6 * kFloatBytes, Attribute::F32Type);
    addAttribute(Attribute::IndexSemantic, 0, Attribute::U32Type);
    setVertexData(vertices);
    setIndexData(indices);
    setBounds(boundsMin, boundsMax);
    update();
}

}  // namespace corvane
