// Drives the compiler over description texts held in memory.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "compiler/compile_descriptions.h"
#include "compiler/description_files.h"
#include "model/scenario.h"
#include "sources/replace_text_file.h"

namespace scn::testing {

// Lines joined with CR LF after each.
inline std::string crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// The file bytes of one of the scenario's own text tables.
inline std::string table_bytes(void (*fill)(text_lines&)) {
  text_lines lines;
  fill(lines);
  std::int32_t end = 0;
  return text_file_bytes(lines, end);
}

// A train description with no records.
inline const std::string empty_train = crlf({"[generale]", "[fine]"});

// A line description of `length` metres with the given body lines.
inline std::string line_text(std::initializer_list<std::string> body,
                             std::int32_t length = 100000) {
  std::string out = crlf({"[generale]", "lunghezza percorso,    " + std::to_string(length),
                          "progressiva chilometrica uno,    0,    0,    0", "[curve]"});
  for (const auto& l : body) out += l + "\r\n";
  return out + "[fine]\r\n";
}

struct compiled {
  scenario s;
  memory_description_files files;
};

inline compiled compile(std::optional<std::string> line,
                        std::optional<std::string> train = empty_train,
                        std::int32_t output_switch = 1) {
  compiled c{scenario{}, memory_description_files(std::move(line), std::move(train))};
  c.s.line_name = "BORGOLAGO-CIMAPASSO";
  c.s.train_number = "51827";
  c.s.output_switch = output_switch;
  memorizza_dati(c.s, c.files);
  return c;
}

}  // namespace scn::testing
