#pragma once

#include <vector>

namespace corvane {

// A point of the bowl's outside in its half section: radius from the axis
// and height from the underside of the disc, both in inches (or, where a
// shape keeps them, as fractions of its frame).
struct ProfilePoint {
    double radius = 0.0;
    double height = 0.0;

    friend bool operator==(const ProfilePoint&, const ProfilePoint&) = default;
};

// The turned bowl's walls: the outside radius R(z) through the profile
// points, and the inside a wall thickness t square to it. Between points R is
// the shape-preserving piecewise cubic Hermite curve (Fritsch and Carlson):
// it passes through every point, never bulges beyond its neighbours, and
// with two points it is the straight line between them. Above and below the
// points the curve keeps its end values.
class BowlProfile {
public:
    // Heights strictly increasing; the caller sorts and thins the points.
    BowlProfile(std::vector<ProfilePoint> points, double wallThickness);

    double radius(double z) const;
    double slope(double z) const;  // dR/dz
    // The wall's horizontal thickness is t / cos of the wall's slope.
    double insideRadius(double z) const;

    struct Extent {
        double maxOutside = 0.0;
        double minInside = 0.0;
    };
    // Over [z0, z1], to far better than a thousandth of an inch.
    Extent extent(double z0, double z1) const;

    const std::vector<ProfilePoint>& points() const { return points_; }
    double wallThickness() const { return wallThickness_; }

private:
    struct Piece {
        std::size_t index = 0;
        double s = 0.0;  // 0..1 along the piece
    };
    Piece pieceAt(double z) const;
    void computeSlopes();

    std::vector<ProfilePoint> points_;
    std::vector<double> slopes_;  // dR/dz at every point
    double wallThickness_ = 0.0;
};

}  // namespace corvane
