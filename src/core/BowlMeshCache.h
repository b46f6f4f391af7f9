#pragma once

#include "BowlMesh.h"

#include <vector>

namespace corvane {

// The preview's last mesh. A fill, an undo or a clear changes only colours,
// so then the colours of the kept mesh are rewritten in place; anything
// that moves a vertex (parameters, a design opened, the bowl's shape)
// builds the mesh anew.
class BowlMeshCache {
public:
    const BowlMesh& update(const BowlModel& model, const BowlShape& shape);

private:
    // Everything the mesh's vertices depend on, but the colours.
    struct ShapeKey {
        int pixelsPerInch = 0;
        int rows = 0;
        int segments = 0;
        // Diameters, the shape, and the radii and angles of every live record.
        std::vector<double> geometry;

        bool operator==(const ShapeKey& other) const;
    };

    static ShapeKey keyOf(const BowlModel& model, const BowlShape& shape);

    BowlMesh mesh_;
    ShapeKey key_;
    bool built_ = false;
};

}  // namespace corvane
