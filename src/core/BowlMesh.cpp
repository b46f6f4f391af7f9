#include "BowlMesh.h"

#include "DesignLimits.h"
#include "ShapeFrame.h"

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
// Rows x bands per row that still get the finest curve; a straight wall
// needs one band per row.
constexpr int kBandBudget = 96;
constexpr int kMaxBandsPerRow = 8;
constexpr float kNoJoint = MeshVertexLayout::kNoJoint;

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

// The cuts of one arc, as cosines and sines of the plan's angles, and each
// cut's angle from the arc's start (radians).
struct Arc {
    std::vector<double> cosines;
    std::vector<double> sines;
    std::vector<double> fromStart;
    double span = 0.0;
};

Arc cutArc(double fromDegrees, double toDegrees, int slices) {
    Arc arc;
    arc.cosines.reserve(std::size_t(slices) + 1);
    arc.sines.reserve(std::size_t(slices) + 1);
    arc.fromStart.reserve(std::size_t(slices) + 1);
    arc.span = (toDegrees - fromDegrees) * std::numbers::pi / 180.0;
    for (int i = 0; i <= slices; ++i) {
        const double degrees = fromDegrees + (toDegrees - fromDegrees) * i / slices;
        const double radians = degrees * std::numbers::pi / 180.0;
        arc.cosines.push_back(std::cos(radians));
        arc.sines.push_back(std::sin(radians));
        arc.fromStart.push_back(arc.span * i / slices);
    }
    return arc;
}

// Which edges of a sheet are joints: its two ends along the arc, its first
// circle and its last.
struct Joints {
    bool left = false;
    bool right = false;
    bool below = false;
    bool above = false;
};

// How far along the cross-section each circle lies from the first.
std::vector<double> lengthsAlong(const std::vector<Circle>& circles) {
    std::vector<double> lengths{0.0};
    for (std::size_t h = 1; h < circles.size(); ++h) {
        lengths.push_back(lengths.back() + std::hypot(circles[h].radius - circles[h - 1].radius,
                                                      circles[h].height - circles[h - 1].height));
    }
    return lengths;
}

Vec cross(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

class MeshBuilder {
public:
    explicit MeshBuilder(BowlMesh& mesh) : mesh_(mesh) {}

    // Two circles joined over an arc, as a run of quads.
    void band(int segment, MeshSurface surface, const Arc& arc, Circle lower, Circle upper,
              Facing facing, Rgba color, Joints joints = {}) {
        sheet(segment, surface, arc, {lower, upper}, {facing, facing}, color, joints);
    }

    // Circles one above the other joined over an arc, the normal turning
    // from circle to circle; neighbouring bands share their vertices.
    void sheet(int segment, MeshSurface surface, const Arc& arc, const std::vector<Circle>& circles,
               const std::vector<Facing>& facings, Rgba color, Joints joints) {
        begin(segment, surface);
        const std::uint32_t first = std::uint32_t(mesh_.vertexCount());
        const std::uint32_t across = std::uint32_t(arc.cosines.size());
        const std::vector<double> along = lengthsAlong(circles);
        for (std::size_t h = 0; h < circles.size(); ++h) {
            const Circle& circle = circles[h];
            const Facing& facing = facings[h];
            for (std::size_t i = 0; i < arc.cosines.size(); ++i) {
                const double c = arc.cosines[i];
                const double s = arc.sines[i];
                const double r = std::max(circle.radius, 0.0);
                const JointDistances distances{
                    joints.left ? float(r * arc.fromStart[i]) : kNoJoint,
                    joints.right ? float(r * (arc.span - arc.fromStart[i])) : kNoJoint,
                    joints.below ? float(along[h]) : kNoJoint,
                    joints.above ? float(along.back() - along[h]) : kNoJoint};
                vertex({circle.radius * c, circle.height, circle.radius * s},
                       {facing.outward * c, facing.up, facing.outward * s}, color, distances);
            }
        }
        for (std::uint32_t h = 0; h + 1 < circles.size(); ++h) {
            for (std::uint32_t i = 0; i + 1 < across; ++i) {
                const std::uint32_t lower = first + h * across + i;
                const std::uint32_t upper = lower + across;
                triangle(lower, lower + 1, upper + 1);
                triangle(lower, upper + 1, upper);
            }
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

    void vertex(const Vec& p, const Vec& n, Rgba color, const JointDistances& joints) {
        const float position[3] = {float(p.x), float(p.y), float(p.z)};
        mesh_.vertices.insert(mesh_.vertices.end(), position, position + 3);
        mesh_.vertices.insert(mesh_.vertices.end(),
                              {float(n.x), float(n.y), float(n.z), color.r, color.g, color.b, 1.0f,
                               joints.left, joints.right, joints.below, joints.above});
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

// The wall's cross-section: the outside and the inside (never inside the
// axis) at a height, and which way each faces.
struct WallSlice {
    Circle outside;
    Circle inside;
    Facing outward;  // of the outside
    Facing inward;   // of the inside
};

// The wall's slices at the heights every row's bands run between, worked
// out once per row rather than once per segment.
class Wall {
public:
    Wall(BowlProfile profile, std::vector<RowSpan> rows, int bandsPerRow)
        : profile_(std::move(profile)), rows_(std::move(rows)) {
        slices_.reserve(rows_.size());
        for (const RowSpan& span : rows_) {
            std::vector<WallSlice> slices;
            for (int i = 0; i <= bandsPerRow; ++i) {
                slices.push_back(at(span.bottom + (span.top - span.bottom) * i / bandsPerRow));
            }
            slices_.push_back(std::move(slices));
        }
    }

    const std::vector<RowSpan>& rows() const { return rows_; }

    // Bottom first.
    const std::vector<WallSlice>& slicesOf(int row) const { return slices_[std::size_t(row - 1)]; }

    WallSlice at(double z) const {
        const double step = 1e-4;
        const double inside = insideAt(z);
        const double insideSlope = (insideAt(z + step) - insideAt(z - step)) / (2.0 * step);
        return {{profile_.radius(z), z},
                {inside, z},
                facing(1.0, -profile_.slope(z)),
                facing(-1.0, inside > 0.0 ? insideSlope : 0.0)};
    }

private:
    double insideAt(double z) const { return std::max(profile_.insideRadius(z), 0.0); }

    static Facing facing(double outward, double up) {
        const double length = std::hypot(outward, up);
        return {outward / length, up / length};
    }

    BowlProfile profile_;
    std::vector<RowSpan> rows_;
    std::vector<std::vector<WallSlice>> slices_;
};

BowlShape usableShape(BowlShape shape) {
    if (CheckRingHeight(shape.ringHeight)) {
        shape.ringHeight = kDefaultRingHeightInches;
    }
    std::erase_if(shape.rowHeights, [](const auto& row) { return CheckRingHeight(row.second); });
    if (CheckWallThickness(shape.wallThickness)) {
        shape.wallThickness = kDefaultWallThicknessInches;
    }
    return shape;
}

// Only what places the bowl: diameters, rows and the shape.
Wall wallOf(const BowlModel& model, const BowlShape& shape) {
    BowlModel frame;
    frame.ID = std::isfinite(model.ID) ? model.ID : 0.0;
    frame.OD = std::isfinite(model.OD) ? model.OD : 0.0;
    frame.Rows = model.Segments < 1
                     ? 0
                     : std::clamp(model.RowOf(model.LastLiveIndex()), 0, kMaxLiveSegments);
    frame.Segments = model.Segments;
    frame.Shape = usableShape(shape);
    const int bands = frame.Shape.IsStraight()
                          ? 1
                          : std::clamp(kBandBudget / std::max(frame.Rows, 1), 1, kMaxBandsPerRow);
    return Wall(ProfileOf(frame), RowSpansOf(frame), bands);
}

// A piece of wood meets its neighbours in the row on both ends (unless it is
// the row's only piece), the row or the disc below, and the row above.
void addSegment(MeshBuilder& builder, const Wall& wall, int k, int row, bool topRow, const Arc& arc,
                Rgba color, bool neighbours) {
    const std::vector<WallSlice>& slices = wall.slicesOf(row);
    std::vector<Circle> outside, inside;
    std::vector<Facing> outward, inward;
    for (const WallSlice& slice : slices) {
        outside.push_back(slice.outside);
        inside.push_back(slice.inside);
        outward.push_back(slice.outward);
        inward.push_back(slice.inward);
    }
    const Joints wallJoints{neighbours, neighbours, true, !topRow};
    builder.sheet(k, MeshSurface::Outside, arc, outside, outward, color, wallJoints);
    builder.sheet(k, MeshSurface::Inside, arc, inside, inward, color, wallJoints);
    if (topRow) {
        const WallSlice& rim = slices.back();
        builder.band(k, MeshSurface::Rim, arc, rim.inside, rim.outside, {0.0, 1.0}, color,
                     {neighbours, neighbours, false, false});
    }
}

void addRows(MeshBuilder& builder, const BowlModel& model, const Wall& wall, double pixelsPerInch,
             int perCircle) {
    const int last = model.LastLiveIndex();
    const int topRow = model.RowOf(last);
    for (int k = 1; k <= last; ++k) {
        const SegmentProp& record = model.SegmentTable[std::size_t(k)];
        SegmentArcs arcs;
        // The row follows from the index, as everywhere else: a design file's
        // stored row numbers are not trusted for placing anything.
        const int row = model.RowOf(k);
        if (!readSegment(record, pixelsPerInch, arcs) || row > int(wall.rows().size())) {
            continue;
        }
        const Arc arc = cutArc(arcs.from, arcs.to, slicesFor(arcs, perCircle));
        addSegment(builder, wall, k, row, row == topRow, arc, shownColor(record.SegmentColor),
                   model.Segments > 1);
    }
}

// The disc reaches out to the outside at the floor; its top is the floor
// inside the wall. Its side meets the first row at the top.
void addDisc(MeshBuilder& builder, const BowlModel& model, const Wall& wall, double floorHeight,
             int perCircle) {
    const SegmentProp& disc = model.SegmentTable[0];
    const WallSlice floor = wall.at(floorHeight);
    const double radius = std::max(floor.outside.radius, 0.0);
    const Arc circle = cutArc(0.0, 360.0, perCircle);
    const Rgba color = shownColor(disc.SegmentColor);
    const double h = floorHeight;
    const double floorRadius = wall.rows().empty() ? radius : floor.inside.radius;
    builder.band(0, MeshSurface::DiscBottom, circle, {0.0, 0.0}, {radius, 0.0}, {0.0, -1.0}, color);
    builder.band(0, MeshSurface::DiscSide, circle, {radius, 0.0}, {radius, h}, {1.0, 0.0}, color,
                 {false, false, false, !wall.rows().empty()});
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

JointDistances BowlMesh::joints(std::size_t vertex) const {
    const float* f = &vertices[vertex * kFloatsPerVertex + kJointOffset];
    return {f[0], f[1], f[2], f[3]};
}

Argb BowlMesh::color(std::size_t vertex) const {
    const float* f = &vertices[vertex * kFloatsPerVertex + kColorOffset];
    return 0xFF000000u | byteOf(f[0]) << 16 | byteOf(f[1]) << 8 | byteOf(f[2]);
}

int SlicesPerCircle(int rows) {
    return std::clamp(kSliceBudget / std::max(rows, 1), kMinSlicesPerCircle, kMaxSlicesPerCircle);
}

BowlMesh BuildBowlMesh(const BowlModel& model, const BowlShape& shape) {
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
    const Wall wall = wallOf(model, shape);
    addRows(builder, model, wall, pixelsPerInch, perCircle);
    addDisc(builder, model, wall, usableShape(shape).ringHeight, perCircle);
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
