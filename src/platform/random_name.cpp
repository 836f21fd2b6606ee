// Random names for temporary files, from the system's random source.
#include <random>

#include "platform/temporary_file.h"

namespace scn {

std::string random_temporary_name() {
  static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  static std::random_device source;
  std::uniform_int_distribution<int> pick(0, sizeof letters - 2);
  std::string name = ".tmp";
  for (int i = 0; i < 12; ++i) name += letters[pick(source)];
  return name;
}

}  // namespace scn
