// End-to-end benchmarks on the synthetic scenarios of 100, 300 and 1000 km:
// the whole finishing procedure (compiler, marker pass, stamping, output),
// once with the files kept in memory and once written to disk.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "bench_inputs.h"
#include "pipeline/pipeline.h"
#include "platform/file_ops.h"

namespace scn::bench {
namespace {

void set_error(const std::string& e) {
  throw std::runtime_error("error " + e);
}

// One whole run of memorizza_percorso; returns the bytes written.
template <typename Write>
std::int64_t run_once(std::int32_t length, const std::string& directory, Write write) {
  scenario s = fresh_scenario();
  memory_description_files files = synthetic_files(length);
  finishing_io io;
  io.sources = &files;
  io.plan_file = directory + "/SYNTH_linea.dat";
  io.item_file = directory + "/SYNTH_90001.sim";
  io.cell_file = directory + "/SYNTH_90001.dat";
  io.errore = set_error;
  std::int64_t bytes = 0;
  io.write_file = [&](const std::string& name, const byte_pieces& pieces) {
    write(name, [&](const piece_sink& sink) {
      pieces([&](std::string_view piece) {
        bytes += static_cast<std::int64_t>(piece.size());
        sink(piece);
      });
    });
  };
  std::int32_t j = 1;
  memorizza_percorso(s, j, io);
  if (s.status_code != 0) throw std::runtime_error("the synthetic scenario set a status");
  return bytes;
}

void BM_EndToEndInMemory(benchmark::State& state) {
  const auto length = static_cast<std::int32_t>(state.range(0));
  std::int64_t bytes = 0;
  const auto discard = [](const std::string&, const byte_pieces& pieces) {
    pieces([](std::string_view piece) { benchmark::DoNotOptimize(piece.data()); });
  };
  for (auto _ : state) bytes += run_once(length, ".", discard);
  state.SetBytesProcessed(bytes);
  state.SetComplexityN(length);
}
BENCHMARK(BM_EndToEndInMemory)
    ->Arg(100000)
    ->Arg(300000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_EndToEndToDisk(benchmark::State& state) {
  const auto length = static_cast<std::int32_t>(state.range(0));
  const auto directory = std::filesystem::temp_directory_path() / "scenario_bench_out";
  std::filesystem::create_directories(directory);
  std::int64_t bytes = 0;
  for (auto _ : state) bytes += run_once(length, directory.string(), replace_file_in_pieces);
  state.SetBytesProcessed(bytes);
  state.SetComplexityN(length);
  std::filesystem::remove_all(directory);
}
BENCHMARK(BM_EndToEndToDisk)
    ->Arg(100000)
    ->Arg(300000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace scn::bench
