// Time to save and to open the largest design the table holds: 23 rows of
// 89 segments, every segment filled.

#include "BenchDesigns.h"
#include "BowlModel.h"
#include "DesignCsvReader.h"
#include "DesignCsvWriter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using corvane::BowlModel;

BowlModel LargestFilledDesign() {
    return corvane::bench::FilledDesign(23, 89, 3.5, 8.1);
}

void BM_WriteLargestDesign(benchmark::State& state) {
    const BowlModel model = LargestFilledDesign();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = corvane::WriteDesignCsv(model, "2026-12-08");
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteLargestDesign);

void BM_ReadLargestDesign(benchmark::State& state) {
    const std::string file = corvane::WriteDesignCsv(LargestFilledDesign(), "2026-12-08");
    BowlModel model;
    for (auto _ : state) {
        const corvane::ReadResult result = corvane::ReadDesignCsv(file, model);
        benchmark::DoNotOptimize(result.ok);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadLargestDesign);

}  // namespace
