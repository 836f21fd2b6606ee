// Field-by-field reading of a description file held in memory.
#include "compiler/field_reader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace scn {

namespace {

constexpr char blank = ' ';

// What ends a field, by byte: a comma or a line end ends any field, a blank
// also ends a numeric one. One table lookup per byte in the scanning loops.
enum : std::uint8_t { ends_text = 1, ends_number = 2 };

constexpr std::array<std::uint8_t, 256> field_ends = [] {
  std::array<std::uint8_t, 256> t{};
  for (const unsigned char c : {',', '\r', '\n'}) t[c] = ends_text | ends_number;
  t[static_cast<unsigned char>(blank)] = ends_number;
  return t;
}();

bool ends(char c, std::uint8_t which) {
  return (field_ends[static_cast<unsigned char>(c)] & which) != 0;
}

bool is_line_end_byte(char c) {
  return c == '\r' || c == '\n';
}

// Decimal value of an optional sign followed by digits; false for anything
// else or for a value beyond any field type.
bool parse_decimal(std::string_view token, std::int64_t& value) {
  value = 0;
  if (token.empty()) return true;
  bool negative = false;
  if (token.front() == '-' || token.front() == '+') {
    negative = token.front() == '-';
    token.remove_prefix(1);
    if (token.empty()) return false;
  }
  for (const char c : token) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > (std::int64_t{1} << 40)) return false;
  }
  if (negative) value = -value;
  return true;
}

}  // namespace

bool field_reader::at_line_end() const {
  return pos_ < bytes_.size() && is_line_end_byte(bytes_[pos_]);
}

void field_reader::skip_line_end() {
  if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
  line_start_ = pos_;
}

void field_reader::fail(const char* what) const {
  throw input_failure(std::string(what) + " at line " + std::to_string(last_.line) + ", column " +
                          std::to_string(last_.column),
                      last_);
}

// Skips the leading blanks and records where the field begins.
inline void field_reader::begin_field() {
  const bool started_at_end = at_end();
  ++fields_in_record_;
  field_pos_ = pos_;
  field_line_ = line_;
  field_line_start_ = line_start_;
  not_a_number_ = false;
  while (pos_ < bytes_.size() && bytes_[pos_] == blank) ++pos_;
  last_.line = line_;
  last_.column = static_cast<std::int32_t>(pos_ - line_start_ + 1);
  last_line_start_ = line_start_;
  if (started_at_end) fail("read past the end of the file");
}

std::string_view field_reader::read_text() {
  begin_field();
  const std::size_t start = pos_;
  while (pos_ < bytes_.size() && !ends(bytes_[pos_], ends_text)) ++pos_;
  const std::string_view text = bytes_.substr(start, pos_ - start);
  report(text);
  if (at_line_end()) {
    skip_line_end();
  } else if (!at_end()) {
    ++pos_;  // the comma
  }
  return text;
}

// Digits alone, the common field, read in one pass that also takes their
// value; false, with nothing consumed, for anything else (a sign, another
// byte, more digits than any field takes), which the general path reads.
inline bool field_reader::take_digits(std::int64_t& value, std::string_view& token) {
  constexpr std::size_t most_digits = 12;  // below the 2^40 bound of parse_decimal
  const std::size_t start = pos_;
  const std::size_t stop = std::min(bytes_.size(), start + most_digits);
  std::size_t i = start;
  std::int64_t v = 0;
  for (; i < stop; ++i) {
    const auto d = static_cast<unsigned>(static_cast<unsigned char>(bytes_[i])) - '0';
    if (d > 9) break;
    v = v * 10 + static_cast<std::int64_t>(d);
  }
  // No digit, or a byte after them that does not end the field (a thirteenth
  // digit included).
  if (i == start || (i < bytes_.size() && !ends(bytes_[i], ends_number))) return false;
  value = v;
  token = bytes_.substr(start, i - start);
  pos_ = i;
  end_numeric_field();
  return true;
}

// After a numeric field's text: its blanks, then one comma or line end.
inline void field_reader::end_numeric_field() {
  while (pos_ < bytes_.size() && bytes_[pos_] == blank) ++pos_;
  if (at_line_end()) {
    skip_line_end();
  } else if (pos_ < bytes_.size() && bytes_[pos_] == ',') {
    ++pos_;
  }
}

inline std::string_view field_reader::take_numeric_token() {
  const std::size_t start = pos_;
  while (pos_ < bytes_.size() && !ends(bytes_[pos_], ends_number)) ++pos_;
  const std::string_view token = bytes_.substr(start, pos_ - start);
  end_numeric_field();
  return token;
}

inline std::int64_t field_reader::read_number(std::int64_t low, std::int64_t high,
                                              const char* type) {
  begin_field();
  std::int64_t value = 0;
  std::string_view token;
  if (take_digits(value, token)) {
    report(token);
  } else {
    token = take_numeric_token();
    report(token);
    if (!parse_decimal(token, value)) {
      not_a_number_ = true;
      fail("not a number");
    }
  }
  if (value < low || value > high) fail(type);
  return value;
}

std::int32_t field_reader::read_long() {
  return static_cast<std::int32_t>(read_number(std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max(),
                                               "value outside the 32-bit range"));
}

std::int16_t field_reader::read_integer() {
  return static_cast<std::int16_t>(read_number(std::numeric_limits<std::int16_t>::min(),
                                               std::numeric_limits<std::int16_t>::max(),
                                               "value outside the 16-bit range"));
}

std::uint8_t field_reader::read_byte() {
  return static_cast<std::uint8_t>(read_number(0, 255, "value outside the range 0 to 255"));
}

bool field_reader::recover_from(const input_failure& failure) {
  if (!recovering()) return false;
  // A field on a later line than the keyword that is not a number is most
  // likely the next record's keyword, read in place of a missing value.
  const bool give_back = not_a_number_ && last_.line > keyword_.line;
  gave_back_ = give_back;
  if (give_back) {
    --fields_in_record_;
    pos_ = field_pos_;
    line_ = field_line_;
    line_start_ = field_line_start_;
    not_a_number_ = false;
  }
  observer_->on_recovered(failure, give_back);
  return true;
}

void field_reader::skip_numeric() {
  begin_field();
  report(take_numeric_token());
}

std::string_view field_reader::last_line_text() const {
  std::size_t end = last_line_start_;
  while (end < bytes_.size() && !is_line_end_byte(bytes_[end])) ++end;
  return bytes_.substr(last_line_start_, end - last_line_start_);
}

}  // namespace scn
