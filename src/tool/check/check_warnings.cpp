// Warnings about records the compiler accepts but an author almost
// certainly did not mean: keywords that match nothing or match by
// accident, values on the wrong line, values out of their range, times
// and positions that will not be what they say.
#include <algorithm>
#include <cstdint>
#include <string>

#include "catalogue/keyword_suggestions.h"
#include "catalogue/keyword_tests.h"
#include "catalogue/station_rules.h"
#include "model/rounding.h"
#include "tool/check/check_findings.h"

namespace scn::tool {

namespace {

using records = std::vector<traced_record>;

std::string num(std::int64_t v) {
  return std::to_string(v);
}

// A text of the file inside a message, shown as the simulator shows it.
std::string quoted(std::string_view text) {
  return "\"" + shown_text(text) + "\"";
}

finding warn(const char* code, const traced_record& r, std::size_t value, std::string message) {
  const field_location where = value < r.values.size() ? r.values[value].where : r.keyword.where;
  return make_finding(false, code, r.file, where, std::move(message));
}

std::string_view trimmed(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  return t;
}

bool is_number_text(std::string_view t) {
  t = trimmed(t);
  if (!t.empty() && (t.front() == '-' || t.front() == '+')) t.remove_prefix(1);
  if (t.empty()) return false;
  for (const char c : t)
    if (c < '0' || c > '9') return false;
  return true;
}

// The last line a record's fields reach.
std::int32_t last_line_of(const traced_record& r) {
  return r.values.empty() ? r.keyword.where.line : r.values.back().where.line;
}

// True when the keyword is one the compiler tests on its own and which
// carries no record: section lines, empty fields.
bool is_structure(std::string_view keyword) {
  const auto t = trimmed(keyword);
  return t.empty() || t.front() == '[';
}

// Keywords that match no test: a misspelt keyword, or the extra values of
// the record before it read as keywords.
class keyword_checker {
 public:
  keyword_checker(const compile_outcome& c, std::vector<finding>& out) : c_(c), out_(out) {}

  void run() {
    const records& rs = c_.trace.records();
    for (std::size_t i = 0; i < rs.size(); ++i) {
      const traced_record& r = rs[i];
      if (i == 0 || rs[i - 1].file != r.file) reset(r.file);
      if (r.file == description::line && !general_done_ && closes_general_part(r.keyword.text))
        general_done_ = true;
      if (is_comment_line(r)) {
        comment(r);
      } else if (!r.kind) {
        unknown(r);
      } else {
        known_ = &r;
      }
    }
  }

 private:
  void reset(description) {
    known_ = nullptr;
    reported_line_ = 0;
    general_done_ = false;
  }

  reading_part part(description file) const {
    if (file == description::train) return reading_part::train;
    return general_done_ ? reading_part::line_body : reading_part::line_general;
  }

  bool is_comment_line(const traced_record& r) const {
    if (contains_exact(r.keyword.text, "-")) return true;
    const source_text* text = c_.bytes.of(r.file);
    if (text == nullptr) return false;
    const auto line = trimmed(text->line(r.keyword.where.line));
    return !line.empty() && line.front() == '-';
  }

  void comment(const traced_record& r) {
    if (reported_line_ == r.keyword.where.line) return;
    reported_line_ = r.keyword.where.line;
    std::string why = contains_exact(r.keyword.text, "-")
                          ? "too many comment fields in a row: this one is read as a keyword"
                          : "a comma inside a comment: the text after it is read as a keyword";
    if (r.kind) why += " and taken as a " + std::string(record_of(*r.kind).spelling) + " record";
    out_.push_back(warn("comment-read-as-record", r, SIZE_MAX, why));
  }

  void unknown(const traced_record& r) {
    if (is_structure(r.keyword.text)) return;
    const std::int32_t line = r.keyword.where.line;
    if (reported_line_ == line) return;
    reported_line_ = line;
    if (known_ != nullptr && known_->file == r.file && last_line_of(*known_) == line &&
        known_->keyword.where.line <= line) {
      out_.push_back(
          warn("extra-values", r, SIZE_MAX,
               "this line has more values than a " +
                   std::string(record_of(*known_->kind).spelling) + " record takes (" +
                   num(static_cast<std::int64_t>(record_of(*known_->kind).fields.size())) +
                   "): " + quoted(trimmed(r.keyword.text)) +
                   " and what follows are read as keywords and ignored"));
      return;
    }
    if (is_number_text(r.keyword.text)) {
      out_.push_back(warn("stray-value", r, SIZE_MAX,
                          "value " + quoted(trimmed(r.keyword.text)) +
                              " stands where a keyword is expected and is ignored"));
      return;
    }
    std::string message = "unrecognised keyword " + quoted(trimmed(r.keyword.text)) +
                          ": the field and the values after it are ignored";
    const auto meant = keyword_meant(part(r.file), r.keyword.text);
    if (meant) message += "; did you mean " + quoted(record_of(meant->kind).spelling) + "?";
    out_.push_back(warn("unknown-keyword", r, SIZE_MAX, std::move(message)));
    if (meant) out_.back().suggestion = meant->text;
  }

  const compile_outcome& c_;
  std::vector<finding>& out_;
  const traced_record* known_ = nullptr;
  std::int32_t reported_line_ = 0;
  bool general_done_ = false;
};

// A keyword field that matched several tests reads one record per test.
void check_several_tests(const records& rs, std::vector<finding>& out) {
  for (std::size_t i = 1; i < rs.size(); ++i) {
    const auto& a = rs[i - 1];
    const auto& b = rs[i];
    if (!a.kind || !b.kind || a.file != b.file || a.keyword.where.line != b.keyword.where.line ||
        a.keyword.where.column != b.keyword.where.column)
      continue;
    out.push_back(warn("keyword-several-records", b, SIZE_MAX,
                       "keyword " + quoted(trimmed(b.keyword.text)) + " matches the tests of " +
                           quoted(record_of(*a.kind).spelling) + " and " +
                           quoted(record_of(*b.kind).spelling) +
                           ": each reads its own values from the fields that follow"));
  }
}

// A curve turns left when its keyword holds an "s" anywhere. A keyword
// that also says right (a "d", as in "destra") got its "s" by accident.
void check_curve_keyword(const traced_record& r, std::vector<finding>& out) {
  const std::string_view k = trimmed(r.keyword.text);
  std::string lower;
  for (const char ch : k) lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
  const std::string_view word = record_of(record_kind::curve).words.front().text;
  const auto at = lower.find(word);
  const std::string rest = at == std::string::npos ? lower : lower.substr(at + word.size());
  if (rest.find(curve_left_letter) == std::string::npos || rest.find('d') == std::string::npos)
    return;
  const auto digit = k.find_first_of(curve_class_digits);
  if (digit == std::string_view::npos) return;
  const int cls = k[digit] - '0';
  out.push_back(warn("keyword-by-accident", r, SIZE_MAX,
                     "curve keyword " + quoted(k) +
                         " contains an \"s\", so the curve turns left; write " +
                         quoted(curve_spelling(true, cls)) + " for a left-hand curve or " +
                         quoted(curve_spelling(false, cls)) + " for a right-hand one"));
}

// What a value outside its field's range becomes once stored.
std::string stored_as(record_kind kind, std::size_t index, std::int64_t v) {
  if (kind == record_kind::gradient && index == 1)
    return "; it is stored as " + num(static_cast<std::int64_t>(low_byte(v + 100)) - 100) +
           " per mille";
  const auto* f = field_at(kind, index);
  if (f != nullptr && f->high == 255 && f->type == field_type::long_value)
    return "; it is stored as " + num(low_byte(v));
  return {};
}

void check_ranges(const traced_record& r, std::vector<finding>& out) {
  const auto& entry = record_of(*r.kind);
  for (std::size_t i = 0; i < r.values.size() && i < entry.fields.size(); ++i) {
    const auto& f = entry.fields[i];
    if (f.type == field_type::text) continue;
    const auto v = traced_number(r, i);
    if (!v || (*v >= f.low && *v <= f.high)) continue;
    std::string unit = f.unit.empty() ? "" : " " + std::string(f.unit);
    out.push_back(warn("value-range", r, i,
                       field_label(*r.kind, i) + " is " + num(*v) + unit + ", outside " +
                           num(f.low) + " to " + num(f.high) + unit + stored_as(*r.kind, i, *v)));
  }
}

// Records whose values run on to the next line.
void check_continued(const traced_record& r, std::vector<finding>& out) {
  // A trace may hold fields past the record's own (the last field of a
  // file, which is never tested as a keyword).
  const std::size_t own = std::min(r.values.size(), record_of(*r.kind).fields.size());
  for (std::size_t i = 0; i < own; ++i) {
    if (r.values[i].where.line == r.keyword.where.line) continue;
    out.push_back(warn("value-on-next-line", r, i,
                       field_label(*r.kind, i) + " is read from line " +
                           num(r.values[i].where.line) + ": the record on line " +
                           num(r.keyword.where.line) + " has fewer values than it takes"));
    return;
  }
}

// Objects take the cell their position rounds to.
bool is_object(record_kind k) {
  return k == record_kind::text_board || k == record_kind::speed_post || k == record_kind::signal ||
         k == record_kind::slowdown || k == record_kind::reduction_mark;
}

void check_rounding(const traced_record& r, std::vector<finding>& out) {
  const auto p = traced_number(r, 0);
  if (!p || *p % 50 == 0 || !is_object(*r.kind)) return;
  const std::int64_t lands =
      *r.kind == record_kind::reduction_mark ? fill_index(*p) * 50 : (cell_index(*p) - 1) * 50;
  out.push_back(warn("position-rounded", r, 0,
                     field_label(*r.kind, 0) + " is " + num(*p) +
                         " m, not a multiple of 50: the object lands on the cell at " + num(lands) +
                         " m"));
}

void check_tail(const traced_record& r, std::int64_t line_length, std::vector<finding>& out) {
  const auto p = traced_number(r, 0);
  if (!p || line_length <= 0 || *p <= line_length) return;
  if (!is_object(*r.kind) && *r.kind != record_kind::station) return;
  out.push_back(warn("past-line-end", r, 0,
                     field_label(*r.kind, 0) + " is " + num(*p) +
                         " m, past the end of the line at " + num(line_length) +
                         " m: it stands in the stretch the model runs on beyond the end"));
}

// A comma in a station name cuts it; the rest is read as keywords.
void check_name_comma(const records& rs, std::size_t i, std::vector<finding>& out) {
  const traced_record& st = rs[i];
  if (st.values.size() < 17 || i + 1 >= rs.size()) return;
  const traced_record& next = rs[i + 1];
  if (next.file == st.file && next.keyword.where.line == st.values[16].where.line)
    out.push_back(warn("station-name-comma", st, 16,
                       "station name " + quoted(st.values[16].text) +
                           " is cut by a comma: the rest of the line is read as keywords"));
}

std::optional<std::int64_t> seconds_of(const traced_record& r, std::size_t first) {
  const auto h = traced_number(r, first), m = traced_number(r, first + 1),
             s = traced_number(r, first + 2);
  if (!h || !m || !s) return std::nullopt;
  return *h * 3600 + *m * 60 + *s;
}

// Timetable times of the stations never go backwards (0, 0, 0: no time).
void check_times(const records& rs, std::vector<finding>& out) {
  // The clock at the start of the run comes first.
  const traced_record* previous = nullptr;
  std::int64_t previous_time = 0;
  for (const auto& r : rs) {
    if (r.kind != record_kind::clock) continue;
    if (const auto t = seconds_of(r, 0)) previous = &r, previous_time = *t;
  }
  for (const auto& r : rs) {
    if (r.kind != record_kind::station) continue;
    const auto t = seconds_of(r, 13);
    if (!t || *t == 0) continue;
    if (previous != nullptr && *t < previous_time) {
      const bool clock = previous->kind == record_kind::clock;
      finding f =
          warn("time-backwards", r, 13,
               "station time " + r.values[13].text + ":" + r.values[14].text + ":" +
                   r.values[15].text + " is earlier than " +
                   (clock ? "the clock at the start of the run" : "the previous station's"));
      f.related.push_back({previous->file, previous->values[clock ? 0 : 13].where,
                           clock ? "the clock" : "the previous station"});
      out.push_back(std::move(f));
    }
    previous = &r;
    previous_time = *t;
  }
}

std::int64_t line_length_of(const records& rs) {
  for (const auto& r : rs)
    if (r.kind == record_kind::length) return traced_number(r, 0).value_or(0);
  return 0;
}

}  // namespace

std::vector<finding> record_warnings(const compile_outcome& c) {
  const records& rs = c.trace.records();
  std::vector<finding> out;
  keyword_checker(c, out).run();
  check_several_tests(rs, out);
  const std::int64_t length = line_length_of(rs);
  for (std::size_t i = 0; i < rs.size(); ++i) {
    const traced_record& r = rs[i];
    if (!r.kind) continue;
    if (r.kind == record_kind::curve) check_curve_keyword(r, out);
    if (r.kind == record_kind::station) check_name_comma(rs, i, out);
    check_ranges(r, out);
    check_continued(r, out);
    check_rounding(r, out);
    check_tail(r, length, out);
  }
  check_times(rs, out);
  return out;
}

}  // namespace scn::tool
