// The fuzz harness: the finishing procedure over descriptions held in
// memory, with a fatal report that records its number and a file writer
// that decodes or measures what it is handed instead of touching the disk.
#include "fuzz/fuzz_harness.h"

#include <exception>
#include <vector>

#include "compiler/description_files.h"
#include "finishing/check_codes.h"
#include "formats/cell_file.h"
#include "formats/decode_error.h"
#include "formats/item_file.h"
#include "model/scenario.h"
#include "pipeline/pipeline.h"

namespace scn::fuzz {

namespace {

constexpr const char* plan_name = "plan";
constexpr const char* item_name = "items";
constexpr const char* cell_name = "cells";

// Thrown by the harness's fatal report so that it ends the run as the real
// one does.
struct errore_raised {};

struct outcome {
  std::vector<std::string> files;  // names in the order they were written
  std::string errore_number;       // set when the fatal report was raised
  std::string problem;             // the first broken invariant

  void fail(const std::string& what) {
    if (problem.empty()) problem = what;
  }
};

bool defined_status(std::int32_t c) {
  return (c >= 0 && c <= 13) || (c >= 15 && c <= 22) || c == 24 || c == 25 ||
         (c >= 101 && c <= 103);
}

std::size_t payload_size(plan_tag tag) {
  return tag == plan_tag::integer ? 2 : tag == plan_tag::real ? 8 : 0;
}

std::size_t expected_plan_size(const track_plan& plan) {
  std::size_t n = 0;
  for (int axis = 0; axis < 2; ++axis) {
    for (std::size_t p = 0; p < plan.points(); ++p) n += 2 + payload_size(plan.tag(p, axis));
  }
  return n;
}

// What the output step hands over must be exactly the model: the cell and
// item files decode back to it, the plan file has the size its tags give.
void check_file(const scenario& s, outcome& o, const std::string& name, std::string_view bytes) {
  o.files.push_back(name);
  try {
    if (name == plan_name && bytes.size() != expected_plan_size(s.plan))
      o.fail("plan file of " + std::to_string(bytes.size()) + " bytes does not match the plan");
    if (name == item_name && decode_item_file(bytes) != s.items)
      o.fail("item file does not decode to the item table");
    if (name == cell_name && decode_cell_file(bytes) != s.track_cells)
      o.fail("cell file does not decode to the track cells");
  } catch (const decode_error& e) {
    o.fail(name + " does not decode: " + e.what());
  }
}

// The format markers and both check codes, recomputed from the finished
// item table.
void check_stamps(const scenario& s, outcome& o) {
  const item_record& line = s.items[line_row];
  const track_cell& first = s.track_cells[1];
  if (line.word_a != line_row_format_marker) o.fail("line row format marker not stamped");
  if (first.value1 != cell_format_marker) o.fail("cell 1 format marker not stamped");
  scenario codes;
  codes.items = s.items;
  if (line.number != codice_gara_st(codes)) o.fail("weighted check code not stamped");
  if (first.value2 != codice_gara_og(codes)) o.fail("plain check code not stamped");
}

void check_finished(const scenario& s, outcome& o) {
  if (!defined_status(s.status_code))
    o.fail("undefined status code " + std::to_string(s.status_code));
  if (!has_cells(s)) {
    if (!o.files.empty() || !o.errore_number.empty())
      o.fail("a model without cells went on to stamping or output");
    return;
  }
  if (s.track_cells.size() != static_cast<std::size_t>(s.last_cell) + 1)
    o.fail("track cells do not run from 0 to last_cell");
  if (!o.errore_number.empty()) {
    if (o.errore_number != "1250" && o.errore_number != "1251")
      o.fail("fatal report with number " + o.errore_number);
    if (!o.files.empty()) o.fail("a file was written after the fatal report");
    return;
  }
  check_stamps(s, o);
  std::vector<std::string> expected = {item_name, cell_name};
  if (s.output_switch != 0) expected.insert(expected.begin(), plan_name);
  if (o.files != expected) o.fail("the output step did not write its files in order");
}

}  // namespace

split_input split_at_nul(std::string_view input) {
  split_input parts;
  const std::size_t nul = input.find('\0');
  parts.line = std::string(input.substr(0, nul));
  if (nul != std::string_view::npos) {
    parts.train = std::string(input.substr(nul + 1));
    parts.has_train = true;
  }
  parts.output_switch = !input.empty() && input.back() == '\0' ? 1 : 0;
  return parts;
}

std::string check_case(std::string_view input) {
  split_input parts = split_at_nul(input);
  memory_description_files sources(
      std::move(parts.line),
      parts.has_train ? std::optional(std::move(parts.train)) : std::nullopt);
  scenario s;
  s.line_name = "BORGOLAGO-CIMAPASSO";
  s.train_number = "51827";
  outcome o;
  finishing_io io;
  io.sources = &sources;
  io.plan_file = plan_name;
  io.item_file = item_name;
  io.cell_file = cell_name;
  io.errore = [&o](const std::string& a) {
    o.errore_number = a;
    throw errore_raised{};
  };
  io.write_file = [&](const std::string& name, const byte_pieces& pieces) {
    check_file(s, o, name, gather_pieces(pieces));
  };
  std::int32_t j = parts.output_switch;
  try {
    memorizza_percorso(s, j, io);
  } catch (const errore_raised&) {
  } catch (const std::exception& e) {
    return std::string("exception escaped the finishing procedure: ") + e.what();
  }
  check_finished(s, o);
  return o.problem;
}

}  // namespace scn::fuzz
