// Substring tests by which keyword fields are recognised.
#include "catalogue/keyword_tests.h"

namespace scn {

namespace {

char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

// Looks for the word's first letter in either case, then compares the rest
// in place; no copy of either text is made.
bool contains_nocase(std::string_view field, std::string_view word) {
  if (word.empty()) return true;
  if (word.size() > field.size()) return false;
  const char lower = fold(word.front());
  const char upper = (lower >= 'a' && lower <= 'z') ? static_cast<char>(lower - 'a' + 'A') : lower;
  const std::size_t last_start = field.size() - word.size();
  for (std::size_t i = 0; i <= last_start; ++i) {
    if (field[i] != lower && field[i] != upper) continue;
    std::size_t k = 1;
    while (k < word.size() && fold(field[i + k]) == fold(word[k])) ++k;
    if (k == word.size()) return true;
  }
  return false;
}

bool contains_exact(std::string_view field, std::string_view word) {
  return field.find(word) != std::string_view::npos;
}

}  // namespace scn
