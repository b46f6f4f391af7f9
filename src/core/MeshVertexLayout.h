#pragma once

namespace corvane {

// How the bowl mesh lays out one vertex, shared by the mesh builder and the
// 3D engine that draws it: interleaved floats, position x y z, normal x y z,
// colour r g b a (0..1, linear light).
struct MeshVertexLayout {
    static constexpr int kPositionOffset = 0;
    static constexpr int kNormalOffset = 3;
    static constexpr int kColorOffset = 6;
    static constexpr int kFloatsPerVertex = 10;
    static constexpr int kStrideBytes = kFloatsPerVertex * static_cast<int>(sizeof(float));
};

}  // namespace corvane
