// Times bringing the 3D preview's mesh up to date after a click, as the
// preview does it (the kept mesh recoloured), for the default design and
// for the largest tables. References: building the whole mesh again, and
// copying the finished mesh once more, which the preview does when it hands
// it to the 3D engine.
#include "BenchDesigns.h"
#include "BowlMesh.h"
#include "BowlMeshCache.h"
#include "CutList.h"
#include "ShapeFrame.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

void BM_UpdateAfterClick(benchmark::State& state) {
    corvane::BowlModel model =
        corvane::bench::FilledDesign(int(state.range(0)), int(state.range(1)));
    const int last = model.LastLiveIndex();
    corvane::BowlMeshCache cache;
    cache.update(model, {});
    int k = 1;
    for (auto _ : state) {
        model.FillSegment(k);
        k = k % last + 1;
        benchmark::DoNotOptimize(cache.update(model, {}).vertices.data());
    }
}

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

// One step of dragging a profile point: the shape fitted and checked, the
// cut list and the mesh made anew, as the document and the
// panels do it. Repeated, so that best, median and worst are reported.
void BM_DragProfilePoint(benchmark::State& state) {
    corvane::BowlModel model =
        corvane::bench::FilledDesign(int(state.range(0)), int(state.range(1)));
    model.Shape.profile = {{0.0, 0.0}, {1.3, 0.5}, {1.0, 1.0}};
    std::vector<corvane::ProfilePoint> points = corvane::PlacedProfile(model);
    int step = 0;
    for (auto _ : state) {
        points[1].radius += (step++ % 2 == 0 ? 0.01 : -0.01);
        model.Shape.profile = corvane::FitProfile(model, points);
        benchmark::DoNotOptimize(corvane::CheckShape(model));
        benchmark::DoNotOptimize(corvane::ComputeCutList(model, 0.125).rows.data());
        benchmark::DoNotOptimize(corvane::BuildBowlMesh(model, model.Shape).vertices.data());
    }
}

// Default design; the largest tables: even, one row, one segment per row.
#define CORVANE_MESH_DESIGNS ->Args({8, 24})->Args({23, 89})->Args({1, 2047})->Args({2047, 1})
BENCHMARK(BM_UpdateAfterClick) CORVANE_MESH_DESIGNS->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildAfterClick) CORVANE_MESH_DESIGNS->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyMeshReference) CORVANE_MESH_DESIGNS->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragProfilePoint)
    ->Args({8, 24})
    ->Args({23, 89})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("best",
                        [](const std::vector<double>& v) {
                            return *std::min_element(v.begin(), v.end());
                        })
    ->ComputeStatistics("worst", [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end());
    });

}  // namespace
