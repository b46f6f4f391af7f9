#pragma once

#include "BowlModel.h"

namespace corvane::bench {

// A design of rows x segments between the given diameters, every record
// filled with one of four woods, tallies counted.
inline BowlModel FilledDesign(int rows, int segments, double id, double od) {
    BowlModel model;
    model.Rows = rows;
    model.Segments = segments;
    model.ID = id;
    model.OD = od;
    model.ComputeGeometry(96);
    const Argb woods[] = {0xFF8B4513u, 0xFFEFDDD4u, 0xFF68315Bu, 0xFFC19A6Bu};
    for (int k = 0; k <= model.LastLiveIndex(); ++k) {
        model.FillColor = woods[k % 4];
        model.FillSegment(k);
    }
    model.RecountRowTallies();
    return model;
}

// The default diameters, or, with more than 200 segments, a design as wide
// as the largest ones.
inline BowlModel FilledDesign(int rows, int segments) {
    const bool large = rows * segments > 200;
    return FilledDesign(rows, segments, large ? 2.0 : 3.5, large ? 10.5 : 8.1);
}

}  // namespace corvane::bench
