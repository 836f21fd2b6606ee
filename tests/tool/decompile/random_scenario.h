// Well-formed line and train descriptions drawn from a seeded generator:
// random records of every kind, laid out so that the compiler accepts them.
#pragma once

#include <cstdint>
#include <string>

namespace scn::test {

struct random_descriptions {
  std::string line;
  std::string train;
};

random_descriptions random_scenario(std::uint32_t seed);

}  // namespace scn::test
