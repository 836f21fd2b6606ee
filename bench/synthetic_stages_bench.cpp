// The stages of a long compile, each on its own, on the synthetic 1000 km
// scenario: reading both descriptions into the model (memorizza_dati), and
// walking the plan into the plan file's bytes (discarded here) at their
// places, as the output step writes them.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench_inputs.h"
#include "compiler/compile_descriptions.h"
#include "formats/plan_file.h"

namespace scn::bench {
namespace {

constexpr std::int32_t long_line = 1000000;

void BM_SyntheticDescriptions(benchmark::State& state) {
  for (auto _ : state) {
    scenario s = fresh_scenario();
    memory_description_files files = synthetic_files(long_line);
    memorizza_dati(s, files, nullptr);
    if (s.status_code != 0) throw std::runtime_error("the synthetic scenario set a status");
    benchmark::DoNotOptimize(s.track_cells.data());
  }
}
BENCHMARK(BM_SyntheticDescriptions)->Unit(benchmark::kMicrosecond);

void BM_SyntheticPlanWalk(benchmark::State& state) {
  scenario s = fresh_scenario();
  memory_description_files files = synthetic_files(long_line);
  memorizza_dati(s, files, nullptr);
  std::int64_t bytes = 0;
  const placed_sink discard = [&bytes](std::uint64_t, std::string_view piece) {
    benchmark::DoNotOptimize(piece.data());
    bytes += static_cast<std::int64_t>(piece.size());
  };
  for (auto _ : state) write_plan_file_placed(s.plan, discard);
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_SyntheticPlanWalk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scn::bench
