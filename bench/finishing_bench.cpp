// Benchmarks of the finishing steps on the embedded scenario: the signal
// marker pass and the output step (encoding of the three binary files).
#include <benchmark/benchmark.h>

#include "bench_inputs.h"
#include "finishing/marker_pass.h"
#include "formats/cell_file.h"
#include "formats/item_file.h"
#include "formats/plan_file.h"

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

// The bytes of the plan file, the item file and the cell file, encoded in
// chunks as the output step hands them to the file writer (which discards
// them here).
void BM_OutputStep(benchmark::State& state) {
  const scenario& s = finished_embedded();
  std::int64_t bytes = 0;
  const piece_sink count = [&bytes](std::string_view piece) {
    benchmark::DoNotOptimize(piece.data());
    bytes += static_cast<std::int64_t>(piece.size());
  };
  for (auto _ : state) {
    write_plan_file(s.plan, count);
    count(encode_item_file(s.items));
    write_cell_file(s.track_cells, count);
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_OutputStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scn::bench
