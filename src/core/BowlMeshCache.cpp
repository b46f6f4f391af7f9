#include "BowlMeshCache.h"

#include <cstring>

namespace corvane {

// Compared bit for bit, so that a record holding a NaN still counts as unchanged.
bool BowlMeshCache::ShapeKey::operator==(const ShapeKey& other) const {
    return pixelsPerInch == other.pixelsPerInch && rows == other.rows &&
           segments == other.segments && geometry.size() == other.geometry.size() &&
           (geometry.empty() || std::memcmp(geometry.data(), other.geometry.data(),
                                            geometry.size() * sizeof(double)) == 0);
}

// The diameters and the shape first, each list with its length, then the
// records' radii and angles.
BowlMeshCache::ShapeKey BowlMeshCache::keyOf(const BowlModel& model, const BowlShape& shape) {
    ShapeKey key;
    key.pixelsPerInch = model.PixelsPerInch;
    key.rows = model.Rows;
    key.segments = model.Segments;
    const int last = model.LastLiveIndex();
    key.geometry.reserve(std::size_t(last + 1) * 4 + 16);
    key.geometry.insert(key.geometry.end(),
                        {model.ID, model.OD, shape.ringHeight, shape.wallThickness,
                         double(shape.rowHeights.size()), double(shape.profile.size())});
    for (const auto& [row, height] : shape.rowHeights) {
        key.geometry.insert(key.geometry.end(), {double(row), height});
    }
    for (const ProfilePoint& point : shape.profile) {
        key.geometry.insert(key.geometry.end(), {point.radius, point.height});
    }
    for (int k = 0; k <= last; ++k) {
        const SegmentProp& record = model.SegmentTable[std::size_t(k)];
        key.geometry.insert(key.geometry.end(), {record.InnerRadius, record.OuterRadius,
                                                 record.LeftAngle, record.RightAngle});
    }
    return key;
}

const BowlMesh& BowlMeshCache::update(const BowlModel& model, const BowlShape& shape) {
    ShapeKey key = keyOf(model, shape);
    if (built_ && key == key_) {
        RecolorBowlMesh(mesh_, model);
    } else {
        mesh_ = BuildBowlMesh(model, shape);
        key_ = std::move(key);
        built_ = true;
    }
    return mesh_;
}

}  // namespace corvane
