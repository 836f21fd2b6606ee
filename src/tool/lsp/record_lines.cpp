// Scanning a description document line by line.
#include "tool/lsp/record_lines.h"

#include "compiler/compile_trace.h"

namespace scn::tool::lsp {

namespace {

bool blank(char c) {
  return c == ' ' || c == '\t';
}

line_field trimmed(std::string_view line, std::size_t begin, std::size_t end) {
  while (begin < end && blank(line[begin])) ++begin;
  while (end > begin && blank(line[end - 1])) --end;
  return {begin, end, line.substr(begin, end - begin)};
}

// The comma-separated pieces of a line, as [begin, end) byte ranges.
std::vector<std::pair<std::size_t, std::size_t>> comma_pieces(std::string_view line) {
  std::vector<std::pair<std::size_t, std::size_t>> out;
  std::size_t begin = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i == line.size() || line[i] == ',') {
      out.emplace_back(begin, i);
      begin = i + 1;
    }
  }
  return out;
}

// Reads the values of a record from the pieces after the keyword: a text
// value takes the rest of its piece, a number ends at a blank too, and an
// empty piece is a number of its own.
class value_cursor {
 public:
  value_cursor(std::string_view line, std::vector<std::pair<std::size_t, std::size_t>> pieces)
      : line_(line), pieces_(std::move(pieces)), piece_(1) {
    if (piece_ < pieces_.size()) at_ = pieces_[piece_].first;
  }
  bool done() const { return piece_ >= pieces_.size(); }
  std::size_t position() const { return done() ? line_.size() : at_; }

  line_field next(bool text) {
    const std::size_t end = pieces_[piece_].second;
    line_field f;
    if (text) {
      f = trimmed(line_, at_, end);
      advance();
      return f;
    }
    std::size_t i = at_;
    while (i < end && blank(line_[i])) ++i;
    std::size_t j = i;
    while (j < end && !blank(line_[j])) ++j;
    f = {i, j, line_.substr(i, j - i)};
    at_ = j;
    while (at_ < end && blank(line_[at_])) ++at_;
    if (at_ >= end || i == j) advance();
    return f;
  }

 private:
  void advance() {
    ++piece_;
    if (piece_ < pieces_.size()) at_ = pieces_[piece_].first;
  }
  std::string_view line_;
  std::vector<std::pair<std::size_t, std::size_t>> pieces_;
  std::size_t piece_;
  std::size_t at_ = 0;
};

void read_record(record_line& out) {
  const auto pieces = comma_pieces(out.text);
  out.keyword = trimmed(out.text, pieces[0].first, pieces[0].second);
  out.record = classify_keyword(out.keyword.text, out.part);
  value_cursor cursor(out.text, pieces);
  if (out.record != nullptr) {
    for (const auto& field : out.record->fields) {
      if (cursor.done()) {
        out.incomplete = true;
        break;
      }
      out.values.push_back(cursor.next(is_text(field)));
    }
  }
  if (!cursor.done()) {
    const auto rest = trimmed(out.text, cursor.position(), out.text.size());
    if (!rest.text.empty()) out.extra = rest;
  }
}

// Where a document is in its reading: the part and the section line.
struct scan_state {
  bool line_description = false;
  bool seen_generale = false;
  record_part part = record_part::train;
  std::string_view section;
};

record_line classify_line(std::string_view text, std::size_t number, scan_state& state) {
  record_line out;
  out.number = number;
  out.text = text;
  const auto whole = trimmed(text, 0, text.size());
  if (whole.text.empty()) return out;
  const bool bracketed = whole.text.find('[') != std::string_view::npos &&
                         whole.text.find(']') != std::string_view::npos;
  if (whole.text.front() == '-') {
    out.kind = line_kind::comment;
  } else if (bracketed) {
    out.kind = line_kind::section;
    if (state.line_description && state.seen_generale) state.part = record_part::line_body;
    if (whole.text.find(general_section) != std::string_view::npos) state.seen_generale = true;
    state.section = whole.text;
  } else {
    out.kind = line_kind::record;
  }
  out.part = state.part;
  out.section = state.section;
  if (out.kind == line_kind::record) read_record(out);
  return out;
}

scan_state start_state(bool line_description) {
  scan_state s;
  s.line_description = line_description;
  s.part = line_description ? record_part::line_general : record_part::train;
  return s;
}

// Calls fn(line, number) for every line; stops when fn returns false.
template <typename Fn>
void for_each_line(std::string_view text, Fn fn) {
  std::size_t begin = 0, number = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    if (!fn(text.substr(begin, end - begin), number++)) return;
    if (end == text.size()) return;
    begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

}  // namespace

std::optional<int> record_line::field_at(std::size_t column) const {
  if (kind != line_kind::record) return std::nullopt;
  if (column >= keyword.begin && column <= keyword.end) return -1;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (column >= values[i].begin && column <= values[i].end) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<std::int64_t> record_line::number_of(std::size_t value) const {
  if (value >= values.size()) return std::nullopt;
  return field_text_number(values[value].text);
}

line_document scan_document(std::string_view text, bool line_description) {
  line_document doc;
  doc.line_description = line_description;
  auto state = start_state(line_description);
  for_each_line(text, [&](std::string_view line, std::size_t number) {
    doc.lines.push_back(classify_line(line, number, state));
    return true;
  });
  return doc;
}

std::optional<record_line> scan_line_at(std::string_view text, bool line_description,
                                        std::size_t number) {
  std::optional<record_line> found;
  auto state = start_state(line_description);
  for_each_line(text, [&](std::string_view line, std::size_t n) {
    if (n == number) {
      found = classify_line(line, n, state);
      return false;
    }
    // Only section lines change the state; other lines need no scan.
    if (line.find('[') != std::string_view::npos) classify_line(line, n, state);
    return true;
  });
  return found;
}

}  // namespace scn::tool::lsp
