// Benchmarks of the compiler on the embedded scenario: the field reader, the
// line half and the train half.
#include <benchmark/benchmark.h>

#include "bench_inputs.h"
#include "compiler/field_reader.h"
#include "compiler/line_compiler.h"
#include "compiler/train_compiler.h"

namespace scn::bench {
namespace {

// Every field of both descriptions read as text: the cost of cutting the
// files into fields.
void BM_FieldReaderText(benchmark::State& state) {
  const std::string& line = embedded_line_text();
  const std::string& train = embedded_train_text();
  for (auto _ : state) {
    for (const std::string* text : {&line, &train}) {
      field_reader in(*text);
      while (!in.at_end()) benchmark::DoNotOptimize(in.read_text());
    }
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(line.size() + train.size()));
}
BENCHMARK(BM_FieldReaderText);

// Gradient records of the line description, a keyword and two numbers each:
// the cost of the numeric fields.
void BM_FieldReaderNumbers(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 1000; ++i)
    text += "pendenza,  " + std::to_string(i * 100) + ",   " + std::to_string(i % 25 - 12) + "\r\n";
  for (auto _ : state) {
    field_reader in(text);
    std::int64_t sum = 0;
    while (!in.at_end()) {
      benchmark::DoNotOptimize(in.read_text());
      sum += in.read_long();
      sum += in.read_long();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_FieldReaderNumbers);

// The line half, dimensioning included; argument 1 builds the plan.
void BM_LineHalf(benchmark::State& state) {
  const auto output_switch = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    scenario s = fresh_scenario(output_switch);
    memory_description_files files(embedded_line_text(), embedded_train_text());
    const line_result r = compile_line(s, files);
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(s.track_cells.data());
  }
}
BENCHMARK(BM_LineHalf)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The train half on a model the line half has just filled (not timed).
void BM_TrainHalf(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    scenario s = fresh_scenario(0);
    memory_description_files files(embedded_line_text(), embedded_train_text());
    const line_result r = compile_line(s, files);
    state.ResumeTiming();
    compile_train(s, files, r.next_board_row);
    benchmark::DoNotOptimize(s.track_cells.data());
  }
}
BENCHMARK(BM_TrainHalf)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scn::bench
