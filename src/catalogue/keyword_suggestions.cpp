// Edit distance between a field and the catalogue's keywords.
#include "catalogue/keyword_suggestions.h"

#include <algorithm>
#include <cctype>

namespace scn {

namespace {

char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The keyword of `kind` as `field` should read it.
std::string written_as_meant(record_kind kind, std::string_view field) {
  std::string word(trimmed(field));
  std::string digits;
  while (!word.empty() && std::isdigit(static_cast<unsigned char>(word.back()))) {
    digits.insert(digits.begin(), word.back());
    word.pop_back();
  }
  if (kind == record_kind::curve) {
    const char letter =
        word.empty() ? 'd'
                     : static_cast<char>(std::tolower(static_cast<unsigned char>(word.back())));
    const int digit = digits.empty() ? 0 : digits.front() - '0';
    return curve_spelling(std::string_view(&letter, 1) == curve_left_letter,
                          digit >= 1 && digit <= 6 ? digit : 4);
  }
  return std::string(record_of(kind).spelling) + digits;
}

}  // namespace

std::size_t edit_distance(std::string_view a, std::string_view b) {
  // Three rows of the optimal-string-alignment table.
  std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = fold(a[i - 1]) == fold(b[j - 1]) ? 0 : 1;
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
      if (i > 1 && j > 1 && fold(a[i - 1]) == fold(b[j - 2]) && fold(a[i - 2]) == fold(b[j - 1]))
        current[j] = std::min(current[j], before[j - 2] + 1);
    }
    std::swap(before, previous);
    std::swap(previous, current);
  }
  return previous[b.size()];
}

std::vector<keyword_suggestion> nearest_keywords(reading_part part, std::string_view field,
                                                 std::size_t max_distance) {
  const std::string_view f = trimmed(field);
  std::vector<keyword_suggestion> out;
  for (const auto& r : records_in(part)) {
    std::size_t best = edit_distance(f, r.spelling);
    for (const auto& w : r.words) {
      // Short words ("uno", "tre") would be near almost any short field.
      if (w.text.size() >= 5) best = std::min(best, edit_distance(f, w.text));
    }
    if (best <= max_distance) out.push_back({r.kind, best});
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const auto& x, const auto& y) { return x.distance < y.distance; });
  return out;
}

std::optional<meant_keyword> keyword_meant(reading_part part, std::string_view field) {
  const auto near = nearest_keywords(part, field, 3);
  if (near.empty()) return std::nullopt;
  return meant_keyword{near.front().kind, written_as_meant(near.front().kind, field)};
}

}  // namespace scn
