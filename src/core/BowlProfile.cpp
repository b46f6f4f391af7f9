#include "BowlProfile.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace corvane {

namespace {

bool sameSign(double a, double b) {
    return (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0);
}

// An inner point's slope: the weighted harmonic mean of the secants on its
// two sides, flat where the profile turns.
double innerSlope(double h0, double h1, double d0, double d1) {
    if (!sameSign(d0, d1)) {
        return 0.0;
    }
    const double w0 = 2.0 * h1 + h0;
    const double w1 = h1 + 2.0 * h0;
    return (w0 + w1) / (w0 / d0 + w1 / d1);
}

// An end's slope from the three points nearest it (h0, d0 the end's own
// piece), kept from overshooting: never against the end piece's direction,
// and at most three times its secant where the profile turns right after.
double endSlope(double h0, double h1, double d0, double d1) {
    const double slope = ((2.0 * h0 + h1) * d0 - h0 * d1) / (h0 + h1);
    if (!sameSign(slope, d0)) {
        return 0.0;
    }
    if (!sameSign(d0, d1) && std::abs(slope) > std::abs(3.0 * d0)) {
        return 3.0 * d0;
    }
    return slope;
}

constexpr double kSampleStep = 0.005;  // inches
constexpr int kMinSamples = 16;
constexpr int kRefineSteps = 40;

// The smallest value of f within [lo, hi], by golden sections.
double narrowDown(const std::function<double(double)>& f, double lo, double hi) {
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int i = 0; i < kRefineSteps && hi > lo; ++i) {
        const double a = hi - ratio * (hi - lo);
        const double b = lo + ratio * (hi - lo);
        if (f(a) < f(b)) {
            hi = b;
        } else {
            lo = a;
        }
    }
    return f((lo + hi) / 2.0);
}

// The smallest value of f over [z0, z1]: sampled, then narrowed down around
// every sample that is lower than its neighbours, so that a dip between two
// samples is found to the last digit whichever sample lies nearer to it.
double minimumOver(const std::function<double(double)>& f, double z0, double z1) {
    const int samples = std::max(kMinSamples, static_cast<int>(std::ceil((z1 - z0) / kSampleStep)));
    const double step = (z1 - z0) / samples;
    std::vector<double> values(static_cast<std::size_t>(samples) + 1);
    for (int i = 0; i <= samples; ++i) {
        values[static_cast<std::size_t>(i)] = f(z0 + i * step);
    }
    double best = *std::min_element(values.begin(), values.end());
    for (int i = 0; i <= samples; ++i) {
        const double value = values[static_cast<std::size_t>(i)];
        const bool belowLeft = i == 0 || value < values[static_cast<std::size_t>(i - 1)];
        const bool belowRight = i == samples || value <= values[static_cast<std::size_t>(i + 1)];
        if (belowLeft && belowRight) {
            const double lo = z0 + std::max(i - 1, 0) * step;
            const double hi = z0 + std::min(i + 1, samples) * step;
            best = std::min(best, narrowDown(f, lo, hi));
        }
    }
    return best;
}

}  // namespace

BowlProfile::BowlProfile(std::vector<ProfilePoint> points, double wallThickness)
    : points_(std::move(points)), wallThickness_(wallThickness) {
    computeSlopes();
}

void BowlProfile::computeSlopes() {
    const std::size_t n = points_.size();
    slopes_.assign(n, 0.0);
    if (n < 2) {
        return;
    }
    std::vector<double> h(n - 1);
    std::vector<double> secant(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        h[k] = points_[k + 1].height - points_[k].height;
        secant[k] = (points_[k + 1].radius - points_[k].radius) / h[k];
    }
    if (n == 2) {
        slopes_[0] = slopes_[1] = secant[0];
        return;
    }
    for (std::size_t k = 1; k + 1 < n; ++k) {
        slopes_[k] = innerSlope(h[k - 1], h[k], secant[k - 1], secant[k]);
    }
    slopes_[0] = endSlope(h[0], h[1], secant[0], secant[1]);
    slopes_[n - 1] = endSlope(h[n - 2], h[n - 3], secant[n - 2], secant[n - 3]);
}

BowlProfile::Piece BowlProfile::pieceAt(double z) const {
    const double bottom = points_.front().height;
    const double top = points_.back().height;
    z = std::clamp(z, bottom, top);
    const auto above =
        std::upper_bound(points_.begin(), points_.end(), z,
                         [](double value, const ProfilePoint& p) { return value < p.height; });
    std::size_t k = static_cast<std::size_t>(above - points_.begin());
    k = std::clamp<std::size_t>(k, 1, points_.size() - 1) - 1;
    const double length = points_[k + 1].height - points_[k].height;
    return {k, (z - points_[k].height) / length};
}

double BowlProfile::radius(double z) const {
    if (points_.size() < 2) {
        return points_.empty() ? 0.0 : points_.front().radius;
    }
    const auto [k, s] = pieceAt(z);
    const double h = points_[k + 1].height - points_[k].height;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2.0 * s3 - 3.0 * s2 + 1.0) * points_[k].radius + (s3 - 2.0 * s2 + s) * h * slopes_[k] +
           (-2.0 * s3 + 3.0 * s2) * points_[k + 1].radius + (s3 - s2) * h * slopes_[k + 1];
}

double BowlProfile::slope(double z) const {
    if (points_.size() < 2) {
        return 0.0;
    }
    const auto [k, s] = pieceAt(z);
    const double h = points_[k + 1].height - points_[k].height;
    const double s2 = s * s;
    return ((6.0 * s2 - 6.0 * s) * (points_[k].radius - points_[k + 1].radius)) / h +
           (3.0 * s2 - 4.0 * s + 1.0) * slopes_[k] + (3.0 * s2 - 2.0 * s) * slopes_[k + 1];
}

double BowlProfile::insideRadius(double z) const {
    const double r = slope(z);
    return radius(z) - wallThickness_ * std::sqrt(1.0 + r * r);
}

BowlProfile::Extent BowlProfile::extent(double z0, double z1) const {
    if (z1 < z0) {
        std::swap(z0, z1);
    }
    const double maxOutside = -minimumOver([this](double z) { return -radius(z); }, z0, z1);
    const double minInside = minimumOver([this](double z) { return insideRadius(z); }, z0, z1);
    return {maxOutside, minInside};
}

}  // namespace corvane
