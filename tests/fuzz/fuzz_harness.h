// One fuzz case: arbitrary bytes compiled as a line description and a train
// description, the whole finishing procedure run in memory, and the
// invariants every run must keep whatever its input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scn::fuzz {

// The input holds the line description up to its first NUL byte and the
// train description after it; without a NUL byte there is no train
// description at all. An input whose last byte is NUL runs with the output
// switch on, so the plan is built and written; any other runs without it.
// Building the plan costs a walk over every metre of the model, so the
// fuzzer spends most of its time where the compiler's logic is, and still
// reaches the plan whenever it keeps the trailing NUL.
struct split_input {
  std::string line;
  std::string train;
  bool has_train = false;
  std::int32_t output_switch = 0;
};

split_input split_at_nul(std::string_view input);

// Runs the case and returns the first invariant it breaks, or an empty
// string when it keeps them all.
std::string check_case(std::string_view input);

}  // namespace scn::fuzz
