#pragma once

#include "BowlModel.h"
#include "BowlShape.h"
#include "MeshVertexLayout.h"

#include <cstdint>
#include <vector>

namespace corvane {

// The bowl as a triangle mesh for the 3D preview: the solid of revolution of
// the design's profile. The disc is the bottom, one ring height thick, as
// wide as the outside at the floor; each row is the band of the wall between
// its heights, outside and inside, cut into the row's segments at the plan's
// angles and coloured like them. The wall is as thick as the shape says,
// measured square to the wall; the inside never passes the axis.
//
// Units are inches. y points up from the underside of the disc; a point of
// the plan at angle t (degrees, clockwise on the screen) and radius r lies at
// x = r cos t, z = r sin t, so a camera straight above the bowl whose up
// direction is -z sees the plan as it is drawn.

// Unfilled segments show as plain, pale wood rather than the plan's white.
inline constexpr Argb kUnfilledWoodColor = 0xFFE8D8BCu;

struct MeshPoint {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

enum class MeshSurface { DiscBottom, DiscSide, Floor, Outside, Inside, Rim };

// How far a point of the wood lies from the joints round its piece, in
// inches along the surface; MeshVertexLayout::kNoJoint where that edge of
// the piece is no joint.
struct JointDistances {
    float left = 0.0f;
    float right = 0.0f;
    float below = 0.0f;
    float above = 0.0f;
};

// The vertices and triangles of one surface of one segment (segment 0 is
// the disc), so that callers can find what belongs where.
struct MeshPart {
    int segment = 0;
    MeshSurface surface = MeshSurface::Outside;
    std::uint32_t firstVertex = 0;
    std::uint32_t vertexCount = 0;
    std::uint32_t firstIndex = 0;
    std::uint32_t indexCount = 0;
};

struct BowlMesh {
    // Interleaved per vertex as MeshVertexLayout says; the colours are the
    // plan's sRGB colours with the gamma taken out.
    static constexpr int kFloatsPerVertex = MeshVertexLayout::kFloatsPerVertex;
    static constexpr int kNormalOffset = MeshVertexLayout::kNormalOffset;
    static constexpr int kColorOffset = MeshVertexLayout::kColorOffset;
    static constexpr int kJointOffset = MeshVertexLayout::kJointOffset;

    std::vector<float> vertices;
    std::vector<std::uint32_t> indices;  // triangles, counter-clockwise seen from outside
    std::vector<MeshPart> parts;
    MeshPoint boundsMin;
    MeshPoint boundsMax;

    std::size_t vertexCount() const { return vertices.size() / kFloatsPerVertex; }
    MeshPoint position(std::size_t vertex) const;
    MeshPoint normal(std::size_t vertex) const;
    Argb color(std::size_t vertex) const;  // back in the plan's terms: opaque sRGB bytes
    JointDistances joints(std::size_t vertex) const;
};

// Arcs are cut finely enough for a smooth outline; very tall designs get
// fewer cuts per circle so that the mesh stays small enough to redraw.
int SlicesPerCircle(int rows);

// Places the bowl by the design's diameters and the shape given (the
// design's own, or one the command line asks for); the live records give
// the angles and colours as the plan shows them. Any table content gives a
// mesh within its bounds: records with unusable numbers are left out, and so
// are shape values beyond their limits. Every vertex carries its distances
// to the joints between segments and between rows (the disc's top counts),
// so that the engine can draw the glue lines, or not, without a new mesh.
BowlMesh BuildBowlMesh(const BowlModel& model, const BowlShape& shape);

// Gives every part of a mesh built from this model the colour its segment
// has now; the cheap update after a fill, an undo or a clear.
void RecolorBowlMesh(BowlMesh& mesh, const BowlModel& model);

}  // namespace corvane
