// Meanings of the status codes the compiler and the marker pass set.
#include "compiler/status_codes.h"

namespace scn {

namespace {

struct status_entry {
  std::int32_t code;
  bool has_position;
  const char* meaning;
};

constexpr status_entry status_table[] = {
    {0, false, "no problem"},
    {1, false, "line length above 1000000 m"},
    {2, false, "a kilometric reference value is not a multiple of 50"},
    {3, false, "first signal-repetition value not a multiple of 50"},
    {4, false, "second signal-repetition value not a multiple of 50"},
    {5, false, "signal-repetition keyword names neither 4 nor 9 codes"},
    {6, true, "text board cell is already taken"},
    {7, true, "reduction mark cell is already taken"},
    {8, true, "station position not a multiple of 50"},
    {9, true, "station length not a multiple of 100"},
    {10, false, "too many stations for the free item rows"},
    {11, true, "no place for a reduction mark before a signal near a slowdown warning"},
    {12, true, "no free cell for a reduction mark before a slowdown start"},
    {13, true, "no free cell for a reduction mark along a slowdown or before the next signal"},
    {15, true, "record position lies beyond the line"},
    {16, true, "signal cell is already taken"},
    {17, true, "slowdown warning cell is already taken"},
    {18, true, "slowdown start cell is already taken"},
    {19, true, "slowdown end cell is already taken"},
    {20, true, "slowdown pre-warning cell is already taken"},
    {21, true, "speed-indicator post cell is already taken"},
    {22, true, "station area begins less than 350 m after the previous one ends"},
    {24, false, "station area ends at 100 m or less"},
    {25, false, "input failure: missing file, file ends inside a record, or a value does not fit"},
    {101, false, "line description file does not exist"},
    {102, false, "no [generale] section in the line description"},
    {103, false, "curve without a class digit 1 to 6, or the plan passes 1000000 m"},
};

const status_entry* find(std::int32_t code) {
  for (const auto& e : status_table) {
    if (e.code == code) return &e;
  }
  return nullptr;
}

}  // namespace

const char* status_meaning(std::int32_t code) {
  const auto* e = find(code);
  return e != nullptr ? e->meaning : "unknown status";
}

bool status_has_position(std::int32_t code) {
  const auto* e = find(code);
  return e != nullptr && e->has_position;
}

std::string describe_status(std::int32_t code, std::int32_t position) {
  std::string text = "status " + std::to_string(code) + " (" + status_meaning(code) + ")";
  if (status_has_position(code)) text += " at " + std::to_string(position) + " m";
  return text;
}

}  // namespace scn
