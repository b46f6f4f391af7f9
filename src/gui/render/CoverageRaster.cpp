#include "CoverageRaster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace corvane {

namespace {

// Half a pixel: how far the anti-aliased edge of a shape reaches past it.
constexpr double kHalfPixel = 0.5;

double Clamp01(double value) {
    return std::clamp(value, 0.0, 1.0);
}

// Indices i with first <= i <= last, within [0, limit); false when none.
bool IndexRange(double first, double last, int limit, int& from, int& to) {
    if (!(first <= last) || limit <= 0) {
        return false;  // also NaN
    }
    const double low = std::max(std::ceil(first), 0.0);
    const double high = std::min(std::floor(last), static_cast<double>(limit - 1));
    if (!(low <= high)) {
        return false;
    }
    from = static_cast<int>(low);
    to = static_cast<int>(high);
    return true;
}

// Half the width of the chord at height dy of a circle of radius r, or -1
// when the circle does not reach that far.
double HalfChord(double r, double dy2) {
    return r > 0.0 && dy2 < r * r ? std::sqrt(r * r - dy2) : -1.0;
}

}  // namespace

CoverageRaster::CoverageRaster(QImage& coverage, int firstRow, int endRow)
    : image_(coverage),
      width_(coverage.width()),
      firstRow_(std::clamp(firstRow, 0, coverage.height())),
      endRow_(std::clamp(endRow, firstRow_, coverage.height())) {}

bool CoverageRaster::rowRange(double first, double last, int& from, int& to) const {
    if (!IndexRange(first - firstRow_, last - firstRow_, endRow_ - firstRow_, from, to)) {
        return false;
    }
    from += firstRow_;
    to += firstRow_;
    return true;
}

bool CoverageRaster::clampRange(double first, double last, int& from, int& to) const {
    return IndexRange(first, last, width_, from, to);
}

void CoverageRaster::touch(int y, int from, int to) {
    touched_ |= QRect(QPoint(from, y), QPoint(to, y));
}

inline void CoverageRaster::take(uchar* line, int x, double coverage) {
    const auto value = static_cast<uchar>(Clamp01(coverage) * 255.0 + 0.5);
    line[x] = std::max(line[x], value);
}

void CoverageRaster::fillBand(QPointF centre, double inner, double outer) {
    inner = std::max(inner, 0.0);
    if (!(outer > inner) || !std::isfinite(outer) || !std::isfinite(centre.x()) ||
        !std::isfinite(centre.y())) {
        return;
    }
    const double reach = outer + kHalfPixel;
    const double hole = inner - kHalfPixel;
    const double fullOuter = outer - kHalfPixel;
    const double fullInner = inner + kHalfPixel;
    const double cx = centre.x();
    int top = 0;
    int bottom = 0;
    if (!rowRange(centre.y() - reach - kHalfPixel, centre.y() + reach - kHalfPixel, top, bottom)) {
        return;
    }
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + kHalfPixel - centre.y();
        const double dy2 = dy * dy;
        const double outerHalf = HalfChord(reach, dy2);
        if (outerHalf < 0.0) {
            continue;
        }
        const double holeHalf = std::max(HalfChord(hole, dy2), 0.0);
        const double fullHigh = HalfChord(fullOuter, dy2);
        const double fullLow = std::max(HalfChord(fullInner, dy2), 0.0);
        uchar* line = image_.scanLine(y);
        // dx runs over [low, high] on the right of the centre (sign +1) and
        // mirrored on the left; pixels in [fullLo, fullHi] are covered whole.
        const auto side = [&](double sign) {
            int from = 0;
            int to = 0;
            const double a = cx + sign * holeHalf - kHalfPixel;
            const double b = cx + sign * outerHalf - kHalfPixel;
            if (!clampRange(std::min(a, b), std::max(a, b), from, to)) {
                return;
            }
            touch(y, from, to);
            int fullFrom = to + 1;
            int fullTo = to;
            if (fullHigh >= fullLow) {
                const double fa = cx + sign * fullLow - kHalfPixel;
                const double fb = cx + sign * fullHigh - kHalfPixel;
                if (!IndexRange(std::max(std::min(fa, fb), double(from)),
                                std::min(std::max(fa, fb), double(to)), width_, fullFrom, fullTo)) {
                    fullFrom = to + 1;
                    fullTo = to;
                }
            }
            for (int x = from; x <= to; ++x) {
                if (x == fullFrom) {
                    std::memset(line + fullFrom, 0xFF, static_cast<size_t>(fullTo - fullFrom + 1));
                    x = fullTo;
                    continue;
                }
                const double dx = x + kHalfPixel - cx;
                const double r = std::sqrt(dx * dx + dy2);
                take(line, x, std::min(r - inner, outer - r) + kHalfPixel);
            }
        };
        side(1.0);
        side(-1.0);
    }
}

void CoverageRaster::fillLine(QPointF a, QPointF b, double width) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0) || !std::isfinite(length) || !(width > 0.0)) {
        return;
    }
    const double ux = dx / length;
    const double uy = dy / length;
    const double nx = -uy;
    const double ny = ux;
    const double reach = width / 2.0 + kHalfPixel;
    double yMin = std::numeric_limits<double>::max();
    double yMax = std::numeric_limits<double>::lowest();
    for (double along : {-kHalfPixel, length + kHalfPixel}) {
        for (double across : {-reach, reach}) {
            const double y = a.y() + uy * along + ny * across;
            yMin = std::min(yMin, y);
            yMax = std::max(yMax, y);
        }
    }
    int top = 0;
    int bottom = 0;
    if (!rowRange(yMin - kHalfPixel, yMax - kHalfPixel, top, bottom)) {
        return;
    }
    for (int y = top; y <= bottom; ++y) {
        const double ry = y + kHalfPixel - a.y();
        double low = std::numeric_limits<double>::lowest();
        double high = std::numeric_limits<double>::max();
        // Each band lo <= (px - a.x) * k + ry * m <= hi limits the pixel centres px.
        const auto limit = [&](double k, double m, double lo, double hi) {
            const double v = ry * m;
            if (std::fabs(k) < 1e-12) {
                if (v < lo || v > hi) {
                    high = low - 1.0;
                }
                return;
            }
            double p1 = a.x() + (lo - v) / k;
            double p2 = a.x() + (hi - v) / k;
            if (k < 0.0) {
                std::swap(p1, p2);
            }
            low = std::max(low, p1);
            high = std::min(high, p2);
        };
        limit(ux, uy, -kHalfPixel, length + kHalfPixel);
        limit(nx, ny, -reach, reach);
        int from = 0;
        int to = 0;
        if (!clampRange(low - kHalfPixel, high - kHalfPixel, from, to)) {
            continue;
        }
        touch(y, from, to);
        uchar* line = image_.scanLine(y);
        for (int x = from; x <= to; ++x) {
            const double rx = x + kHalfPixel - a.x();
            const double along = rx * ux + ry * uy;
            const double across = std::fabs(rx * nx + ry * ny);
            take(line, x,
                 Clamp01(reach - across) * Clamp01(std::min(along, length - along) + kHalfPixel));
        }
    }
}

}  // namespace corvane
