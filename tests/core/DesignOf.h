#pragma once

#include "BowlModel.h"

namespace corvane::testing {

// A design with these parameters and its geometry at 96 pixels per inch.
inline BowlModel DesignOf(double id, double od, int rows, int segments) {
    BowlModel model;
    model.ID = id;
    model.OD = od;
    model.Rows = rows;
    model.Segments = segments;
    model.ComputeGeometry(96);
    return model;
}

}  // namespace corvane::testing
