#include "BowlMesh.h"
#include "BowlMeshCache.h"
#include "CutList.h"
#include "ShapeFrame.h"

#include "DesignOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace corvane;
using corvane::testing::DesignOf;

namespace {

constexpr Argb kWalnut = 0xFF8B4513u;
constexpr double kTolerance = 1e-4;  // inches; the mesh holds floats

const MeshPart* partOf(const BowlMesh& mesh, int segment, MeshSurface surface) {
    for (const MeshPart& part : mesh.parts) {
        if (part.segment == segment && part.surface == surface) {
            return &part;
        }
    }
    return nullptr;
}

double radiusOf(const MeshPoint& p) {
    return std::hypot(p.x, p.z);
}

// The plan's angle of a point, brought near the angle it should be close to.
double angleNear(const MeshPoint& p, double expected) {
    double degrees = std::atan2(p.z, p.x) * 180.0 / M_PI;
    while (degrees < expected - 180.0) {
        degrees += 360.0;
    }
    return degrees;
}

MeshPoint difference(const MeshPoint& a, const MeshPoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// Every triangle faces where its normals point, and every index is a vertex.
void expectWoundOutward(const BowlMesh& mesh) {
    ASSERT_EQ(mesh.indices.size() % 3, 0u);
    for (std::size_t i = 0; i < mesh.indices.size(); i += 3) {
        ASSERT_LT(std::max({mesh.indices[i], mesh.indices[i + 1], mesh.indices[i + 2]}),
                  mesh.vertexCount());
        const MeshPoint a = mesh.position(mesh.indices[i]);
        const MeshPoint u = difference(mesh.position(mesh.indices[i + 1]), a);
        const MeshPoint v = difference(mesh.position(mesh.indices[i + 2]), a);
        const MeshPoint n = mesh.normal(mesh.indices[i]);
        const double facing = (u.y * v.z - u.z * v.y) * n.x + (u.z * v.x - u.x * v.z) * n.y +
                              (u.x * v.y - u.y * v.x) * n.z;
        ASSERT_GT(facing, 0.0) << "triangle " << i / 3;
    }
}

void expectWithinBounds(const BowlMesh& mesh) {
    for (std::size_t v = 0; v < mesh.vertexCount(); ++v) {
        const MeshPoint p = mesh.position(v);
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) << v;
        ASSERT_TRUE(p.x >= mesh.boundsMin.x && p.x <= mesh.boundsMax.x) << v;
        ASSERT_TRUE(p.y >= mesh.boundsMin.y && p.y <= mesh.boundsMax.y) << v;
        ASSERT_TRUE(p.z >= mesh.boundsMin.z && p.z <= mesh.boundsMax.z) << v;
        const MeshPoint n = mesh.normal(v);
        ASSERT_NEAR(std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z), 1.0, 1e-5) << v;
    }
}

}  // namespace

// Each band rises from the plan's inner radius at its row's height to the
// outer radius one ring height higher, between the plan's angles.
TEST(BowlMeshTest, OutsideOfEveryBandFollowsThePlan) {
    const BowlModel model = DesignOf(3.5, 8.1, 8, 24);
    const BowlShape shape{0.75, 0.25};
    const BowlMesh mesh = BuildBowlMesh(model, shape);
    for (int k = 1; k <= 8 * 24; ++k) {
        const SegmentProp& record = model.SegmentTable[k];
        const MeshPart* part = partOf(mesh, k, MeshSurface::Outside);
        ASSERT_NE(part, nullptr) << k;
        const double bottom = record.SegmentRow * 0.75;
        for (std::uint32_t v = part->firstVertex; v < part->firstVertex + part->vertexCount; ++v) {
            const MeshPoint p = mesh.position(v);
            const bool lower = std::fabs(p.y - bottom) < kTolerance;
            ASSERT_TRUE(lower || std::fabs(p.y - (bottom + 0.75)) < kTolerance) << k;
            const double planRadius = (lower ? record.InnerRadius : record.OuterRadius) / 96.0;
            ASSERT_NEAR(radiusOf(p), planRadius, kTolerance) << k;
            const double angle = angleNear(p, record.LeftAngle);
            ASSERT_GE(angle, record.LeftAngle - 1e-3) << k;
            ASSERT_LE(angle, record.RightAngle + 1e-3) << k;
        }
        const MeshPoint first = mesh.position(part->firstVertex);
        const MeshPoint last = mesh.position(part->firstVertex + part->vertexCount - 1);
        EXPECT_NEAR(angleNear(first, record.LeftAngle), record.LeftAngle, 1e-3) << k;
        EXPECT_NEAR(angleNear(last, record.RightAngle), record.RightAngle, 1e-3) << k;
        // Round, not faceted: the arc is cut at least every 360/128 degrees.
        EXPECT_GE(part->vertexCount / 2 - 1, 15.0 / (360.0 / 128.0)) << k;
    }
    // Every second row is turned by half a segment.
    EXPECT_NEAR(angleNear(mesh.position(partOf(mesh, 1, MeshSurface::Outside)->firstVertex), 0),
                0.0, 1e-3);
    EXPECT_NEAR(angleNear(mesh.position(partOf(mesh, 25, MeshSurface::Outside)->firstVertex), 0),
                7.5, 1e-3);
    EXPECT_NEAR(mesh.boundsMax.x, 8.1 / 2, kTolerance);
    EXPECT_NEAR(mesh.boundsMin.z, -8.1 / 2, kTolerance);
    EXPECT_NEAR(mesh.boundsMin.y, 0.0, kTolerance);
    EXPECT_NEAR(mesh.boundsMax.y, (8 + 1) * 0.75, kTolerance);  // the rows on the disc
    expectWoundOutward(mesh);
    expectWithinBounds(mesh);
}

// The inside lies the wall thickness in from the outside, square to the
// wall, and the rim closes the top row.
TEST(BowlMeshTest, WallHasItsThicknessAndTheTopRowARim) {
    const BowlModel model = DesignOf(3.5, 8.1, 8, 24);
    const BowlMesh mesh = BuildBowlMesh(model, {0.75, 0.25});
    const double rise = (8.1 - 3.5) / 8 / 2;
    const double slant = std::hypot(rise, 0.75);
    for (int k : {1, 24, 100, 8 * 24}) {
        const SegmentProp& record = model.SegmentTable[k];
        const double bottom = record.SegmentRow * 0.75;
        const MeshPart* inside = partOf(mesh, k, MeshSurface::Inside);
        ASSERT_NE(inside, nullptr);
        for (std::uint32_t v = inside->firstVertex; v < inside->firstVertex + inside->vertexCount;
             ++v) {
            const MeshPoint p = mesh.position(v);
            // Distance in the cross-section from the outside's line.
            const double along = radiusOf(p) - record.InnerRadius / 96.0;
            const double up = p.y - bottom;
            ASSERT_NEAR((rise * up - 0.75 * along) / slant, 0.25, kTolerance) << k;
            const MeshPoint n = mesh.normal(v);
            ASSERT_GT(n.y, 0.0) << "the inside faces up and in";
            ASSERT_LT(n.x * p.x + n.z * p.z, 0.0);
        }
        EXPECT_EQ(partOf(mesh, k, MeshSurface::Rim) != nullptr, record.SegmentRow == 8) << k;
    }
    const MeshPart* rim = partOf(mesh, 8 * 24, MeshSurface::Rim);
    for (std::uint32_t v = rim->firstVertex; v < rim->firstVertex + rim->vertexCount; ++v) {
        EXPECT_NEAR(mesh.position(v).y, 9 * 0.75, kTolerance);
        EXPECT_EQ(mesh.normal(v).y, 1.0f);
    }
}

// The disc is the bottom: one ring height thick, as wide as ID, and its top
// is the floor inside the wall.
TEST(BowlMeshTest, DiscIsTheBottomAndTheFloor) {
    const BowlMesh mesh = BuildBowlMesh(DesignOf(3.5, 8.1, 8, 24), {0.5, 0.25});
    const MeshPart* bottom = partOf(mesh, 0, MeshSurface::DiscBottom);
    const MeshPart* side = partOf(mesh, 0, MeshSurface::DiscSide);
    const MeshPart* floor = partOf(mesh, 0, MeshSurface::Floor);
    ASSERT_TRUE(bottom && side && floor);
    for (std::uint32_t v = side->firstVertex; v < side->firstVertex + side->vertexCount; ++v) {
        EXPECT_NEAR(radiusOf(mesh.position(v)), 1.75, kTolerance);
        EXPECT_TRUE(std::fabs(mesh.position(v).y) < kTolerance ||
                    std::fabs(mesh.position(v).y - 0.5) < kTolerance);
    }
    for (std::uint32_t v = bottom->firstVertex; v < bottom->firstVertex + bottom->vertexCount;
         ++v) {
        EXPECT_EQ(mesh.position(v).y, 0.0f);
        EXPECT_EQ(mesh.normal(v).y, -1.0f);
    }
    double floorRadius = 0.0;
    for (std::uint32_t v = floor->firstVertex; v < floor->firstVertex + floor->vertexCount; ++v) {
        EXPECT_NEAR(mesh.position(v).y, 0.5, kTolerance);
        floorRadius = std::max(floorRadius, radiusOf(mesh.position(v)));
    }
    // The floor reaches the foot of the inside of row 1.
    const double rise = (8.1 - 3.5) / 8 / 2;
    EXPECT_NEAR(floorRadius, 1.75 - 0.25 * std::hypot(rise, 0.5) / 0.5, kTolerance);
    EXPECT_GT(bottom->indexCount, 0u);
    EXPECT_GT(floor->indexCount, 0u);
}

// A bellied profile: the outside follows the curve, not the plan's rings.
// Every point of the wood knows how far it lies from the joints round its
// piece, along the surface, which is what the glue lines are drawn from.
TEST(BowlMeshTest, OutsideFollowsTheProfileAndEveryPointKnowsItsJoints) {
    BowlModel model = DesignOf(3.5, 8.1, 8, 24);
    model.Shape.profile = {{0.0, 0.0}, {1.6, 0.55}, {1.0, 1.0}};
    model.Shape.rowHeights[8] = 1.5;
    const BowlProfile profile = ProfileOf(model);
    const std::vector<RowSpan> rows = RowSpansOf(model);
    const BowlMesh mesh = BuildBowlMesh(model, model.Shape);
    const float none = MeshVertexLayout::kNoJoint;
    for (const MeshPart& part : mesh.parts) {
        const SegmentProp& record = model.SegmentTable[std::size_t(part.segment)];
        const double span = (record.RightAngle - record.LeftAngle) * M_PI / 180.0;
        const int row = model.RowOf(part.segment);
        const bool wall =
            part.surface == MeshSurface::Outside || part.surface == MeshSurface::Inside;
        const JointDistances first = mesh.joints(part.firstVertex);
        for (std::uint32_t v = part.firstVertex; v < part.firstVertex + part.vertexCount; ++v) {
            const MeshPoint p = mesh.position(v);
            const JointDistances j = mesh.joints(v);
            if (part.surface == MeshSurface::Outside) {
                ASSERT_NEAR(radiusOf(p), profile.radius(p.y), kTolerance) << part.segment;
            } else if (part.surface == MeshSurface::Inside) {
                ASSERT_NEAR(radiusOf(p), profile.insideRadius(p.y), kTolerance) << part.segment;
            }
            if (wall || part.surface == MeshSurface::Rim) {
                ASSERT_NEAR(j.left + j.right, radiusOf(p) * span, kTolerance) << part.segment;
            } else {
                ASSERT_EQ(j.left, none);
                ASSERT_EQ(j.right, none);
            }
            if (wall) {
                // The wall's length from the joint below to the one above
                // is the same all along the piece, and at least its height.
                const RowSpan& heights = rows[std::size_t(row - 1)];
                if (std::fabs(p.y - heights.bottom) < kTolerance) {
                    ASSERT_NEAR(j.below, 0.0, kTolerance) << part.segment;
                } else {
                    ASSERT_GT(j.below, 0.0f) << part.segment;
                }
                if (row == 8) {
                    ASSERT_EQ(j.above, none);
                } else {
                    ASSERT_NEAR(j.below + j.above, first.below + first.above, kTolerance);
                    ASSERT_GE(j.below + j.above, heights.top - heights.bottom - kTolerance);
                }
            } else if (part.surface == MeshSurface::DiscSide) {
                // The disc meets the first row at its top.
                ASSERT_NEAR(j.above, 0.75 - p.y, kTolerance);
                ASSERT_EQ(j.below, none);
            } else {
                ASSERT_EQ(j.below, none) << int(part.surface);
                ASSERT_EQ(j.above, none) << int(part.surface);
            }
        }
    }
    EXPECT_NEAR(mesh.boundsMax.y, RimHeight(model), kTolerance);
    EXPECT_GT(mesh.boundsMax.x, 8.1 / 2 + 0.5);  // the belly
    expectWoundOutward(mesh);
    expectWithinBounds(mesh);
}

TEST(BowlMeshTest, SegmentsShowTheirColoursAndUnfilledOnesPaleWood) {
    BowlModel model = DesignOf(3.5, 8.1, 8, 24);
    model.FillSegment(3);  // Walnut, the starting fill colour
    model.FillColor = 0xFFEFDDD4u;
    model.FillSegment(30);
    model.FillSegment(0);
    const BowlMesh mesh = BuildBowlMesh(model, {});
    for (const MeshPart& part : mesh.parts) {
        const Argb expected = part.segment == 3    ? kWalnut
                              : part.segment == 30 ? 0xFFEFDDD4u
                              : part.segment == 0  ? 0xFFEFDDD4u
                                                   : kUnfilledWoodColor;
        for (std::uint32_t v = part.firstVertex; v < part.firstVertex + part.vertexCount; ++v) {
            ASSERT_EQ(mesh.color(v), expected) << part.segment;
        }
    }
}

struct OddDesign {
    const char* name;
    double id;
    double od;
    int rows;
    int segments;
};

// Designs at the edges still give a closed, bounded mesh that fits the plan.
TEST(BowlMeshTest, DesignsAtTheEdgesBuildWithinBounds) {
    const OddDesign designs[] = {
        {"one row", 3.5, 8.1, 1, 24},
        {"one segment", 3.5, 8.1, 8, 1},
        {"ID 0", 0.0, 8.1, 8, 24},
        {"largest table, one row", 3.5, 8.1, 1, 2047},
        {"largest table, tall", 3.5, 8.1, 2047, 1},
        {"largest table, even", 3.5, 8.1, 23, 89},
        {"no rows", 3.5, 8.1, 0, 24},
        {"no segments", 3.5, 8.1, 8, 0},
        {"ID above OD", 9.0, 8.1, 4, 12},
        {"huge", 9000.0, 10000.0, 2, 12},
    };
    for (const OddDesign& design : designs) {
        SCOPED_TRACE(design.name);
        const BowlModel model = DesignOf(design.id, design.od, design.rows, design.segments);
        const BowlMesh mesh = BuildBowlMesh(model, {0.75, 0.25});
        expectWithinBounds(mesh);
        expectWoundOutward(mesh);
        const int rows = design.segments < 1 ? 0 : std::max(design.rows, 0);
        EXPECT_LE(mesh.boundsMax.y, (rows + 1) * 0.75 + kTolerance);
        const double widest = std::max(design.id, design.od) / 2;
        EXPECT_LE(std::max(mesh.boundsMax.x, -mesh.boundsMin.x), widest * (1 + 1e-6) + kTolerance);
        EXPECT_LE(std::max(mesh.boundsMax.z, -mesh.boundsMin.z), widest * (1 + 1e-6) + kTolerance);
        EXPECT_LT(mesh.vertexCount(), 300'000u);
        const int live = std::max(design.rows, 0) * std::max(design.segments, 0);
        EXPECT_EQ(partOf(mesh, live, MeshSurface::Outside) != nullptr, live > 0);
    }
}

// A single segment is a whole round ring, cut as finely as a full circle.
TEST(BowlMeshTest, OneSegmentRowIsAWholeRoundRing) {
    const BowlMesh mesh = BuildBowlMesh(DesignOf(3.5, 8.1, 2, 1), {});
    const MeshPart* ring = partOf(mesh, 2, MeshSurface::Outside);
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->vertexCount, 2u * (SlicesPerCircle(2) + 1));
    EXPECT_NEAR(angleNear(mesh.position(ring->firstVertex), 180), 180.0, 1e-3);  // 360 / 2
    // A ring of one piece has no joint round it, only above and below.
    for (std::uint32_t v = ring->firstVertex; v < ring->firstVertex + ring->vertexCount; ++v) {
        EXPECT_EQ(mesh.joints(v).left, MeshVertexLayout::kNoJoint);
        EXPECT_EQ(mesh.joints(v).right, MeshVertexLayout::kNoJoint);
    }
}

// A design file may hold any numbers; records that cannot be drawn are left
// out and a wall thicker than the bowl is worn down to the axis.
TEST(BowlMeshTest, UnusableRecordsAndSettingsStayBounded) {
    BowlModel model = DesignOf(3.5, 8.1, 2, 4);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    model.SegmentTable[1].OuterRadius = nan;
    model.SegmentTable[2].LeftAngle = std::numeric_limits<double>::infinity();
    model.SegmentTable[3].RightAngle = model.SegmentTable[3].LeftAngle - 10;
    model.SegmentTable[4].RightAngle = 1e5;
    model.SegmentTable[5].RightAngle = 1e300;
    model.SegmentTable[0].OuterRadius = -5;
    model.PixelsPerInch = 0;
    const BowlMesh mesh = BuildBowlMesh(model, {nan, 100.0});
    expectWithinBounds(mesh);
    expectWoundOutward(mesh);
    EXPECT_EQ(partOf(mesh, 1, MeshSurface::Outside), nullptr);
    EXPECT_EQ(partOf(mesh, 2, MeshSurface::Outside), nullptr);
    EXPECT_EQ(partOf(mesh, 3, MeshSurface::Outside), nullptr);
    ASSERT_NE(partOf(mesh, 4, MeshSurface::Outside), nullptr);
    EXPECT_EQ(partOf(mesh, 5, MeshSurface::Outside), nullptr);
    // Unusable settings fall back to the defaults: 3 ring heights of 0.75.
    EXPECT_NEAR(mesh.boundsMax.y, 3 * kDefaultRingHeightInches, kTolerance);

    const BowlMesh worn = BuildBowlMesh(DesignOf(3.5, 8.1, 2, 4), {0.75, 6.0});
    expectWithinBounds(worn);
    expectWoundOutward(worn);
}

TEST(BowlMeshTest, RingHeightAndWallThicknessLimits) {
    struct Case {
        double inches;
        bool accepted;
    };
    const Case cases[] = {{0.75, true},
                          {0.001, true},
                          {6.0, true},
                          {6.001, false},
                          {0.0, false},
                          {-0.5, false},
                          {std::numeric_limits<double>::quiet_NaN(), false},
                          {std::numeric_limits<double>::infinity(), false}};
    for (const Case& c : cases) {
        EXPECT_EQ(!CheckRingHeight(c.inches), c.accepted) << c.inches;
        EXPECT_EQ(!CheckWallThickness(c.inches), c.accepted) << c.inches;
    }
    EXPECT_EQ(*CheckRingHeight(0), "Ring height must be above 0 and at most 6 in (152.4 mm).");
}

// Typed in millimetres, a length meets its limit as the message shows it:
// 152.4 mm is 6 in, though 152.4 / 25.4 is a hair above 6 in doubles.
TEST(BowlMeshTest, TypedLengthsMeetTheirLimitInTheUnitTyped) {
    struct Case {
        double typed;
        LengthUnit unit;
        bool accepted;
        double inches;
    };
    const Case cases[] = {
        {152.4, LengthUnit::Millimetres, true, 6.0},
        {152.39, LengthUnit::Millimetres, true, 152.39 / 25.4},
        {152.41, LengthUnit::Millimetres, false, 0.0},
        {19.05, LengthUnit::Millimetres, true, 19.05 / 25.4},
        {6.0, LengthUnit::Inches, true, 6.0},
        {6.0001, LengthUnit::Inches, false, 0.0},
        {0.0, LengthUnit::Millimetres, false, 0.0},
        {-1.0, LengthUnit::Inches, false, 0.0},
        {std::numeric_limits<double>::quiet_NaN(), LengthUnit::Inches, false, 0.0}};
    for (const Case& c : cases) {
        for (const TypedLength& read :
             {ReadRingHeight(c.typed, c.unit), ReadWallThickness(c.typed, c.unit)}) {
            EXPECT_EQ(!read.error, c.accepted) << c.typed;
            if (c.accepted) {
                EXPECT_EQ(read.inches, c.inches) << c.typed;
                EXPECT_FALSE(CheckRingHeight(read.inches)) << c.typed;
            }
        }
    }
    EXPECT_EQ(*ReadWallThickness(152.5, LengthUnit::Millimetres).error,
              "Wall thickness must be above 0 and at most 6 in (152.4 mm).");
}

// The preview keeps its mesh and only repaints colours after a fill; after
// every kind of change it must show exactly what a fresh build shows.
TEST(BowlMeshTest, KeptMeshMatchesAFreshBuildAfterEveryChange) {
    BowlModel model = DesignOf(3.5, 8.1, 8, 24);
    BowlShape shape;
    BowlMeshCache cache;
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"first build", [] {}},
        {"fill", [&] { model.FillSegment(5); }},
        {"fill the disc", [&] { model.FillSegment(0); }},
        {"refill",
         [&] {
             model.FillColor = 0xFF123456u;
             model.FillSegment(5);
         }},
        {"undo", [&] { model.UndoLastFill(); }},
        {"clear", [&] { model.ClearAllSegmentColors(); }},
        {"fewer segments",
         [&] {
             model.FillSegment(7);
             model.Segments = 12;
             model.ComputeGeometry(96);
         }},
        {"taller rings", [&] { shape.ringHeight = 1.5; }},
        {"one row taller", [&] { shape.rowHeights[2] = 2.0; }},
        {"a bellied profile",
         [&] {
             shape.profile = {{0.0, 0.0}, {1.3, 0.5}, {1.0, 1.0}};
         }},
        {"a thicker wall", [&] { shape.wallThickness = 0.5; }},
        {"a wider rim",
         [&] {
             model.OD = 10.0;
             model.ComputeGeometry(96);
         }},
        {"more rows",
         [&] {
             model.Rows = 20;
             model.ComputeGeometry(96);
         }},
    };
    for (const auto& [name, change] : changes) {
        change();
        const BowlMesh& kept = cache.update(model, shape);
        const BowlMesh fresh = BuildBowlMesh(model, shape);
        EXPECT_EQ(kept.vertices, fresh.vertices) << name;
        EXPECT_EQ(kept.indices, fresh.indices) << name;
    }
}
