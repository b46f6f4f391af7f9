#pragma once

#include "BowlModel.h"

namespace corvane::bench {

// The default design, or, with more than 200 segments, a design as wide as
// the largest ones; every segment filled with one of four woods.
inline BowlModel FilledDesign(int rows, int segments) {
    BowlModel model;
    model.ID = rows * segments > 200 ? 2.0 : 3.5;
    model.OD = rows * segments > 200 ? 10.5 : 8.1;
    model.Rows = rows;
    model.Segments = segments;
    model.ComputeGeometry(96);
    const Argb woods[] = {0xFF8B4513u, 0xFFEFDDD4u, 0xFF68315Bu, 0xFFC19A6Bu};
    for (int k = 0; k <= model.LastLiveIndex(); ++k) {
        model.FillColor = woods[k % 4];
        model.FillSegment(k);
    }
    return model;
}

}  // namespace corvane::bench
