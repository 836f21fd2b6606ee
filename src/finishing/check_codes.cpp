// Check string, check codes and their stamping.
#include "finishing/check_codes.h"

#include <string_view>

#include "model/item_record.h"

namespace scn {

namespace {

constexpr std::string_view check_tail = "aabbccddeeffgghhiillmmnnoo";

// Only the plain letters are lowered; every other byte keeps its value.
char lower_ascii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Value of the character at place i (from 0) of the check string.
std::int32_t char_value(const std::string& check, std::size_t i) {
  return static_cast<unsigned char>(check[i]);
}

const std::string& build_check_string(scenario& s) {
  s.keyword = check_string(s.items[train_row].text, s.items[line_row].text);
  return s.keyword;
}

void report(const std::function<void(const std::string&)>& errore, const char* number) {
  if (errore) errore(number);
}

}  // namespace

std::string check_string(const std::string& train_number, const std::string& line_name) {
  std::string check = train_number + line_name;
  for (char& c : check) c = lower_ascii(c);
  check += check_tail;
  return check;
}

std::int16_t codice_gara_og(scenario& s) {
  const std::string& check = build_check_string(s);
  std::int32_t sum = 0;
  for (std::size_t i = 0; i < check_length; ++i) sum += char_value(check, i);
  return static_cast<std::int16_t>(sum);  // at most 25 × 255
}

std::int32_t codice_gara_st(scenario& s) {
  const std::string& check = build_check_string(s);
  std::int32_t sum = 0;
  for (std::size_t i = 0; i < check_length; ++i)
    sum += char_value(check, i) * static_cast<std::int32_t>(i + 1);
  return sum;
}

bool stamp_check_codes(scenario& s, const std::function<void(const std::string&)>& errore) {
  if (!has_cells(s)) return false;
  item_record& line = s.items[line_row];
  track_cell& first = s.track_cells[1];
  if (line.word_a != 0 || first.value1 != 0) {
    report(errore, "1250");
    return false;
  }
  line.word_a = line_row_format_marker;
  first.value1 = cell_format_marker;
  if (line.number != 0 || first.value2 != 0) {
    report(errore, "1251");
    return false;
  }
  line.number = codice_gara_st(s);
  first.value2 = codice_gara_og(s);
  return true;
}

}  // namespace scn
