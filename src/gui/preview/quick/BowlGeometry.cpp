#include "BowlGeometry.h"

#include "MeshVertexLayout.h"

#include <QVector3D>

namespace corvane {

namespace {

constexpr int kFloatBytes = static_cast<int>(sizeof(float));

}  // namespace

// Laid out from the start: Qt Quick 3D divides by the stride of whatever it
// draws, even before there is a bowl.
BowlGeometry::BowlGeometry(QQuick3DObject* parent) : QQuick3DGeometry(parent) {
    setMesh({}, {}, {}, {});
}

void BowlGeometry::setMesh(const QByteArray& vertices, const QByteArray& indices,
                           const QVector3D& boundsMin, const QVector3D& boundsMax) {
    clear();
    setStride(MeshVertexLayout::kStrideBytes);
    setPrimitiveType(PrimitiveType::Triangles);
    addAttribute(Attribute::PositionSemantic, MeshVertexLayout::kPositionOffset * kFloatBytes,
                 Attribute::F32Type);
    addAttribute(Attribute::NormalSemantic, MeshVertexLayout::kNormalOffset * kFloatBytes,
                 Attribute::F32Type);
    addAttribute(Attribute::ColorSemantic, MeshVertexLayout::kColorOffset * kFloatBytes,
                 Attribute::F32Type);
    // The distances to the joints, left and right, then below and above.
    addAttribute(Attribute::TexCoord0Semantic, MeshVertexLayout::kJointOffset * kFloatBytes,
                 Attribute::F32Type);
    addAttribute(Attribute::TexCoord1Semantic, (MeshVertexLayout::kJointOffset + 2) * kFloatBytes,
                 Attribute::F32Type);
    addAttribute(Attribute::IndexSemantic, 0, Attribute::U32Type);
    setVertexData(vertices);
    setIndexData(indices);
    setBounds(boundsMin, boundsMax);
    update();
}

}  // namespace corvane
