// Substring tests by which keyword fields are recognised.
#include "catalogue/keyword_tests.h"

#include <algorithm>

namespace scn {

namespace {

char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool contains_nocase(std::string_view field, std::string_view word) {
  const auto same = [](char a, char b) { return fold(a) == fold(b); };
  return std::search(field.begin(), field.end(), word.begin(), word.end(), same) != field.end();
}

bool contains_exact(std::string_view field, std::string_view word) {
  return field.find(word) != std::string_view::npos;
}

}  // namespace scn
