// Times rebuilding the 3D preview's mesh after a click, for the default
// design and for the largest tables. Reference: copying the finished mesh
// once more, which the preview does when it hands it to the 3D engine.
#include "BenchDesigns.h"
#include "BowlMesh.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

void BM_RebuildAfterClick(benchmark::State& state) {
    corvane::BowlModel model =
        corvane::bench::FilledDesign(int(state.range(0)), int(state.range(1)));
    const int last = model.LastLiveIndex();
    int k = 1;
    std::size_t vertices = 0;
    for (auto _ : state) {
        model.FillSegment(k);
        k = k % last + 1;
        const corvane::BowlMesh mesh = corvane::BuildBowlMesh(model, {});
        vertices = mesh.vertexCount();
        benchmark::DoNotOptimize(mesh.vertices.data());
    }
    state.counters["vertices"] = double(vertices);
}

void BM_CopyMeshReference(benchmark::State& state) {
    const corvane::BowlMesh mesh = corvane::BuildBowlMesh(
        corvane::bench::FilledDesign(int(state.range(0)), int(state.range(1))), {});
    std::vector<char> copy(mesh.vertices.size() * sizeof(float) +
                           mesh.indices.size() * sizeof(std::uint32_t));
    for (auto _ : state) {
        std::memcpy(copy.data(), mesh.vertices.data(), mesh.vertices.size() * sizeof(float));
        std::memcpy(copy.data() + mesh.vertices.size() * sizeof(float), mesh.indices.data(),
                    mesh.indices.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(copy.data());
    }
}

// Default design; the largest tables: even, one row, one segment per row.
#define CORVANE_MESH_DESIGNS ->Args({8, 24})->Args({23, 89})->Args({1, 2047})->Args({2047, 1})
BENCHMARK(BM_RebuildAfterClick) CORVANE_MESH_DESIGNS->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyMeshReference) CORVANE_MESH_DESIGNS->Unit(benchmark::kMillisecond);

}  // namespace
