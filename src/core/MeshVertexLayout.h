#pragma once

namespace corvane {

// How the bowl mesh lays out one vertex, shared by the mesh builder and the
// 3D engine that draws it: interleaved floats, position x y z, normal x y z,
// colour r g b a (0..1, linear light), then how far the point lies from the
// joints round its piece of wood: left, right, below, above (inches along
// the surface), from which the engine draws the glue lines.
struct MeshVertexLayout {
    static constexpr int kPositionOffset = 0;
    static constexpr int kNormalOffset = 3;
    static constexpr int kColorOffset = 6;
    static constexpr int kJointOffset = 10;
    static constexpr int kFloatsPerVertex = 14;
    static constexpr int kStrideBytes = kFloatsPerVertex * static_cast<int>(sizeof(float));
    // The distance given where an edge of the wood is no joint (the rim's
    // edges, the disc's underside), far beyond any line.
    static constexpr float kNoJoint = 1000.0f;
    // The glue lines the engine draws on the joints: this wide in all (each
    // piece of wood shows half), dark brown (sRGB 2B1D12) in linear light.
    static constexpr float kGlueLineWidth = 0.025f;
    static constexpr float kGlueLineRed = 0.02416f;
    static constexpr float kGlueLineGreen = 0.01229f;
    static constexpr float kGlueLineBlue = 0.00605f;
};

}  // namespace corvane
