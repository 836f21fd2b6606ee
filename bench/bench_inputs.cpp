// Inputs the benchmarks share.
#include "bench_inputs.h"

#include <stdexcept>

#include "compiler/compile_descriptions.h"
#include "finishing/check_codes.h"
#include "finishing/marker_pass.h"
#include "platform/file_ops.h"
#include "sources/line_description_table.h"
#include "sources/replace_text_file.h"
#include "sources/train_description_table.h"

namespace scn::bench {

namespace {

std::string file_bytes(void (*fill)(text_lines&)) {
  text_lines lines;
  fill(lines);
  std::int32_t end = 0;
  return text_file_bytes(lines, end);
}

std::string synthetic_file(std::int32_t length, const std::string& name) {
  const std::string path =
      std::string(SCENARIO_SYNTHETIC_DIR) + "/" + std::to_string(length) + "/" + name;
  auto bytes = read_file(path);
  if (!bytes) throw std::runtime_error(path + " is missing: build the synthetic_scenarios target");
  return std::move(*bytes);
}

}  // namespace

const std::string& embedded_line_text() {
  static const std::string text = file_bytes(fill_line_description);
  return text;
}

const std::string& embedded_train_text() {
  static const std::string text = file_bytes(fill_train_description);
  return text;
}

scenario fresh_scenario(std::int32_t output_switch) {
  scenario s;
  s.line_name = "BORGOLAGO-CIMAPASSO";
  s.train_number = "51827";
  s.output_switch = output_switch;
  return s;
}

scenario compiled_embedded(std::int32_t output_switch) {
  scenario s = fresh_scenario(output_switch);
  memory_description_files files(embedded_line_text(), embedded_train_text());
  memorizza_dati(s, files);
  if (s.status_code != 0) throw std::runtime_error("the embedded scenario set a status");
  return s;
}

const scenario& finished_embedded() {
  static const scenario s = [] {
    scenario f = compiled_embedded(1);
    signal_marker_pass(f);
    if (!stamp_check_codes(f, [](const std::string& e) { throw std::runtime_error(e); }))
      throw std::runtime_error("stamping failed");
    return f;
  }();
  return s;
}

memory_description_files synthetic_files(std::int32_t length) {
  return memory_description_files(synthetic_file(length, "SYNTH_linea.txt"),
                                  synthetic_file(length, "SYNTH_90001-.txt"));
}

}  // namespace scn::bench
