#pragma once

#include <vector>

namespace corvane {

// What one operation on the design document changed, for those that show it.
struct DesignChange {
    enum class Cause { Fill, Undo, Clear, Parameters, Resolution, Symmetry, Open, Shape };

    Cause cause = Cause::Fill;
    // Records whose colours changed (fills and undos); the rest kept theirs.
    std::vector<int> records;
    // Any record's colour may have changed (clear all, a design opened).
    bool allColors = false;
    // Radii, angles, centres or the number of live records changed.
    bool geometry = false;
    // ID, OD, Rows, Segments, FontSize or the symmetry sectors changed.
    bool parameters = false;
    // The bowl's shape (ring heights, wall, profile) changed; the plan did not.
    bool shape = false;
    // The row tallies were counted again.
    bool tallies = false;
    // Symmetry mode ended because Segments no longer splits into these
    // sectors (0: it did not end).
    int endedSectors = 0;
    int segmentsAtEnd = 0;

    // Only the colours of the listed records, and so the tallies, changed.
    bool onlyRecolored() const { return !allColors && !geometry && !parameters && !shape; }
    // Only the bowl's shape changed, which the plan does not show.
    bool onlyReshaped() const {
        return shape && records.empty() && !allColors && !geometry && !parameters && !tallies;
    }
};

}  // namespace corvane
