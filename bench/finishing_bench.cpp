// Benchmarks of the finishing steps on the embedded scenario: the signal
// marker pass and the output step (encoding of the three binary files).
#include <benchmark/benchmark.h>

#include "bench_inputs.h"
#include "output/cell_file.h"
#include "output/item_file.h"
#include "output/marker_pass.h"
#include "output/plan_file.h"

namespace scn::bench {
namespace {

// The pass over a copy of the compiled cells (the copy is not timed).
void BM_MarkerPass(benchmark::State& state) {
  const scenario compiled = compiled_embedded(0);
  for (auto _ : state) {
    state.PauseTiming();
    scenario s = compiled;
    state.ResumeTiming();
    signal_marker_pass(s);
    benchmark::DoNotOptimize(s.track_cells.data());
  }
}
BENCHMARK(BM_MarkerPass)->Unit(benchmark::kMicrosecond);

// The bytes of the plan file, the item file and the cell file, in memory.
void BM_OutputStep(benchmark::State& state) {
  const scenario& s = finished_embedded();
  std::int64_t bytes = 0;
  for (auto _ : state) {
    bytes += static_cast<std::int64_t>(encode_plan_file(s.plan).size());
    bytes += static_cast<std::int64_t>(encode_item_file(s.items).size());
    bytes += static_cast<std::int64_t>(encode_cell_file(s.track_cells).size());
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_OutputStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scn::bench
