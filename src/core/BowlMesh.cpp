#include "BowlMesh.h"

#include "DesignLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace corvane {

namespace {

constexpr int kMaxSlicesPerCircle = 128;
constexpr int kMinSlicesPerCircle = 24;
// Rows x slices per circle that still get the finest cut.
constexpr int kSliceBudget = 8192;
constexpr int kFallbackPixelsPerInch = 96;

struct Vec {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct Rgba {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// Screen colours are sRGB; light adds up in linear terms.
float linearOf(Argb byte) {
    const double c = double(byte & 0xFFu) / 255.0;
    return float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
}

Argb byteOf(float linear) {
    const double c = std::clamp(double(linear), 0.0, 1.0);
    const double srgb = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return Argb(std::lround(srgb * 255.0));
}

Rgba shownColor(Argb color) {
    if (color == kBlankColor) {
        color = kUnfilledWoodColor;
    }
    return {linearOf(color >> 16), linearOf(color >> 8), linearOf(color)};
}

// Where a band starts and ends in the wall's cross-section.
struct Circle {
    double radius = 0.0;
    double height = 0.0;
};

// A surface's normal in the cross-section: how much it points away from the
// axis and how much up.
struct Facing {
    double outward = 0.0;
    double up = 0.0;
};

// The cuts of one arc, as cosines and sines of the plan's angles.
struct Arc {
    std::vector<double> cosines;
    std::vector<double> sines;
};

Arc cutArc(double fromDegrees, double toDegrees, int slices) {
    Arc arc;
    arc.cosines.reserve(std::size_t(slices) + 1);
    arc.sines.reserve(std::size_t(slices) + 1);
    for (int i = 0; i <= slices; ++i) {
        const double degrees = fromDegrees + (toDegrees - fromDegrees) * i / slices;
        const double radians = degrees * std::numbers::pi / 180.0;
        arc.cosines.push_back(std::cos(radians));
        arc.sines.push_back(std::sin(radians));
    }
    return arc;
}

Vec cross(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

class MeshBuilder {
public:
    explicit MeshBuilder(BowlMesh& mesh) : mesh_(mesh) {}

    // Two circles joined over an arc, as a run of quads.
    void band(int segment, MeshSurface surface, const Arc& arc, Circle lower, Circle upper,
              Facing facing, Rgba color) {
        begin(segment, surface);
        const std::uint32_t first = std::uint32_t(mesh_.vertexCount());
        for (std::size_t i = 0; i < arc.cosines.size(); ++i) {
            const double c = arc.cosines[i];
            const double s = arc.sines[i];
            const Vec normal{facing.outward * c, facing.up, facing.outward * s};
            vertex({lower.radius * c, lower.height, lower.radius * s}, normal, color);
            vertex({upper.radius * c, upper.height, upper.radius * s}, normal, color);
        }
        for (std::uint32_t i = 0; i + 1 < arc.cosines.size(); ++i) {
            const std::uint32_t lower0 = first + 2 * i;
            triangle(lower0, lower0 + 2, lower0 + 3);
            triangle(lower0, lower0 + 3, lower0 + 1);
        }
        end();
    }

private:
    void begin(int segment, MeshSurface surface) {
        part_ = MeshPart{};
        part_.segment = segment;
        part_.surface = surface;
        part_.firstVertex = std::uint32_t(mesh_.vertexCount());
        part_.firstIndex = std::uint32_t(mesh_.indices.size());
    }

    void end() {
        part_.vertexCount = std::uint32_t(mesh_.vertexCount()) - part_.firstVertex;
        part_.indexCount = std::uint32_t(mesh_.indices.size()) - part_.firstIndex;
        mesh_.parts.push_back(part_);
    }

    void vertex(const Vec& p, const Vec& n, Rgba color) {
        const float position[3] = {float(p.x), float(p.y), float(p.z)};
        mesh_.vertices.insert(mesh_.vertices.end(), position, position + 3);
        mesh_.vertices.insert(mesh_.vertices.end(), {float(n.x), float(n.y), float(n.z), color.r,
                                                     color.g, color.b, 1.0f});
        grow(mesh_.boundsMin, position, [](float a, float b) { return std::min(a, b); });
        grow(mesh_.boundsMax, position, [](float a, float b) { return std::max(a, b); });
    }

    template <typename Pick>
    static void grow(MeshPoint& bound, const float* p, Pick pick) {
        bound = {pick(bound.x, p[0]), pick(bound.y, p[1]), pick(bound.z, p[2])};
    }

    Vec at(std::uint32_t v, int offset) const {
        const float* f = &mesh_.vertices[std::size_t(v) * BowlMesh::kFloatsPerVertex + offset];
        return {f[0], f[1], f[2]};
    }

    // Wound counter-clockwise as seen from the side the normals point to;
    // triangles without area (at the axis, or a wall worn down to nothing)
    // are left out.
    void triangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        const Vec pa = at(a, 0);
        const Vec pb = at(b, 0);
        const Vec pc = at(c, 0);
        const Vec n =
            cross({pb.x - pa.x, pb.y - pa.y, pb.z - pa.z}, {pc.x - pa.x, pc.y - pa.y, pc.z - pa.z});
        const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        if (!(length > 1e-12)) {
            return;
        }
        const Vec facing = at(a, BowlMesh::kNormalOffset);
        const bool counterClockwise = n.x * facing.x + n.y * facing.y + n.z * facing.z >= 0.0;
        mesh_.indices.insert(mesh_.indices.end(),
                             {a, counterClockwise ? b : c, counterClockwise ? c : b});
    }

    BowlMesh& mesh_;
    MeshPart part_;
};

// A record's numbers in inches and degrees, or nothing when they cannot be drawn.
struct SegmentArcs {
    double inner = 0.0;
    double outer = 0.0;
    double from = 0.0;
    double to = 0.0;
};

bool readSegment(const SegmentProp& record, double pixelsPerInch, SegmentArcs& out) {
    const double span = record.RightAngle - record.LeftAngle;
    // The plan leaves out the same records.
    if (!IsUsableRecord(record) || !(span > 0.0)) {
        return false;
    }
    out.inner = std::max(record.InnerRadius, 0.0) / pixelsPerInch;
    out.outer = std::max(record.OuterRadius, 0.0) / pixelsPerInch;
    out.from = record.LeftAngle;
    out.to = record.LeftAngle + std::min(span, 360.0);
    return true;
}

int slicesFor(const SegmentArcs& arcs, int perCircle) {
    const double slices = std::ceil((arcs.to - arcs.from) * perCircle / 360.0 - 1e-9);
    return std::clamp(int(slices), 1, perCircle);
}

// The wall's cross-section in one row: a band from the plan's inner radius
// at the bottom to its outer radius at the top, and the inside of the wall
// the wall thickness further in, square to the wall.
struct RowWall {
    Circle outsideLower;
    Circle outsideUpper;
    Circle insideLower;
    Circle insideUpper;
    Facing outward;
};

RowWall wallOf(const SegmentArcs& arcs, double bottom, const BowlShape& shape) {
    const double h = shape.ringHeight;
    const double rise = arcs.outer - arcs.inner;
    const double slant = std::hypot(rise, h);
    const double inset = shape.wallThickness * slant / h;
    RowWall wall;
    wall.outsideLower = {arcs.inner, bottom};
    wall.outsideUpper = {arcs.outer, bottom + h};
    wall.insideLower = {std::max(arcs.inner - inset, 0.0), bottom};
    wall.insideUpper = {std::max(arcs.outer - inset, 0.0), bottom + h};
    wall.outward = {h / slant, -rise / slant};
    return wall;
}

BowlShape usableShape(BowlShape shape) {
    if (CheckRingHeight(shape.ringHeight)) {
        shape.ringHeight = kDefaultRingHeightInches;
    }
    if (CheckWallThickness(shape.wallThickness)) {
        shape.wallThickness = kDefaultWallThicknessInches;
    }
    return shape;
}

void addRows(MeshBuilder& builder, const BowlModel& model, const BowlShape& shape,
             double pixelsPerInch, int perCircle, double& floorRadius) {
    const int last = model.LastLiveIndex();
    const int topRow = model.RowOf(last);
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& record = model.SegmentTable[std::size_t(k)];
        SegmentArcs arcs;
        if (!readSegment(record, pixelsPerInch, arcs)) {
            continue;
        }
        // The row follows from the index, as everywhere else: a design file's
        // stored row numbers are not trusted for placing anything.
        const int row = model.RowOf(k);
        const RowWall wall = wallOf(arcs, row * shape.ringHeight, shape);
        if (row == 1) {
            floorRadius = std::min(floorRadius, wall.insideLower.radius);
        }
        const Arc arc = cutArc(arcs.from, arcs.to, slicesFor(arcs, perCircle));
        const Rgba color = shownColor(record.SegmentColor);
        builder.band(k, MeshSurface::Outside, arc, wall.outsideLower, wall.outsideUpper,
                     wall.outward, color);
        builder.band(k, MeshSurface::Inside, arc, wall.insideLower, wall.insideUpper,
                     {-wall.outward.outward, -wall.outward.up}, color);
        if (row == topRow) {
            builder.band(k, MeshSurface::Rim, arc, wall.insideUpper, wall.outsideUpper, {0.0, 1.0},
                         color);
        }
    }
}

void addDisc(MeshBuilder& builder, const BowlModel& model, const BowlShape& shape,
             double pixelsPerInch, int perCircle, double floorRadius) {
    const SegmentProp& disc = model.SegmentTable[0];
    const double radius =
        std::isfinite(disc.OuterRadius) ? std::max(disc.OuterRadius, 0.0) / pixelsPerInch : 0.0;
    const Arc circle = cutArc(0.0, 360.0, perCircle);
    const Rgba color = shownColor(disc.SegmentColor);
    const double h = shape.ringHeight;
    builder.band(0, MeshSurface::DiscBottom, circle, {0.0, 0.0}, {radius, 0.0}, {0.0, -1.0}, color);
    builder.band(0, MeshSurface::DiscSide, circle, {radius, 0.0}, {radius, h}, {1.0, 0.0}, color);
    builder.band(0, MeshSurface::Floor, circle, {0.0, h}, {std::min(floorRadius, radius), h},
                 {0.0, 1.0}, color);
}

}  // namespace

MeshPoint BowlMesh::position(std::size_t vertex) const {
    const float* f = &vertices[vertex * kFloatsPerVertex];
    return {f[0], f[1], f[2]};
}

MeshPoint BowlMesh::normal(std::size_t vertex) const {
    const float* f = &vertices[vertex * kFloatsPerVertex + kNormalOffset];
    return {f[0], f[1], f[2]};
}

Argb BowlMesh::color(std::size_t vertex) const {
    const float* f = &vertices[vertex * kFloatsPerVertex + kColorOffset];
    return 0xFF000000u | byteOf(f[0]) << 16 | byteOf(f[1]) << 8 | byteOf(f[2]);
}

int SlicesPerCircle(int rows) {
    return std::clamp(kSliceBudget / std::max(rows, 1), kMinSlicesPerCircle, kMaxSlicesPerCircle);
}

BowlMesh BuildBowlMesh(const BowlModel& model, const BowlShape& requested) {
    const BowlShape shape = usableShape(requested);
    const double pixelsPerInch =
        model.PixelsPerInch > 0 ? model.PixelsPerInch : kFallbackPixelsPerInch;
    const int last = model.LastLiveIndex();
    const int perCircle = SlicesPerCircle(model.RowOf(last));
    BowlMesh mesh;
    const float huge = 3.0e38f;
    mesh.boundsMin = {huge, huge, huge};
    mesh.boundsMax = {-huge, -huge, -huge};
    const std::size_t slicesPerSegment = std::size_t(perCircle / std::max(model.Segments, 1)) + 2;
    mesh.vertices.reserve((std::size_t(last) * 6 * slicesPerSegment + 6 * (perCircle + 1)) *
                          BowlMesh::kFloatsPerVertex);
    mesh.indices.reserve(std::size_t(last) * 18 * slicesPerSegment + 18 * perCircle);

    MeshBuilder builder(mesh);
    double floorRadius = std::numeric_limits<double>::infinity();
    addRows(builder, model, shape, pixelsPerInch, perCircle, floorRadius);
    addDisc(builder, model, shape, pixelsPerInch, perCircle, floorRadius);
    return mesh;
}

void RecolorBowlMesh(BowlMesh& mesh, const BowlModel& model) {
    for (const MeshPart& part : mesh.parts) {
        const Rgba color = shownColor(model.SegmentTable[std::size_t(part.segment)].SegmentColor);
        const std::size_t end = std::size_t(part.firstVertex) + part.vertexCount;
        for (std::size_t v = part.firstVertex; v < end; ++v) {
            float* f = &mesh.vertices[v * BowlMesh::kFloatsPerVertex + BowlMesh::kColorOffset];
            f[0] = color.r;
            f[1] = color.g;
            f[2] = color.b;
        }
    }
}

}  // namespace corvane
