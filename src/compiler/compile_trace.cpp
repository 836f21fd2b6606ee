// Collecting the trace of a compile.
#include "compiler/compile_trace.h"

#include <charconv>

#include "catalogue/status_catalogue.h"

namespace scn {

void compile_trace::begin(description which) {
  current_ = which;
  in_record_ = false;
  loose_.reset();
}

void compile_trace::end_half(description which, std::int32_t status_code,
                             std::int32_t status_position) {
  auto& half = which == description::line ? line_ : train_;
  half = {true, status_code, status_position};
  in_record_ = false;
}

void compile_trace::failed(const input_failure& f) {
  failure_ = traced_failure{current_, f.where(), f.what()};
}

void compile_trace::on_field(field_location where, std::string_view text) {
  traced_field field{where, std::string(text)};
  if (in_record_ && records_.back().file == current_) {
    records_.back().values.push_back(std::move(field));
  } else {
    loose_ = std::move(field);
  }
}

void compile_trace::on_keyword() {
  traced_record record;
  record.file = current_;
  if (in_record_ && !records_.back().values.empty()) {
    record.keyword = std::move(records_.back().values.back());
    records_.back().values.pop_back();
  } else if (loose_) {
    record.keyword = std::move(*loose_);
    loose_.reset();
  }
  records_.push_back(std::move(record));
  in_record_ = true;
}

void compile_trace::on_discarded() {
  if (in_record_ && !records_.back().values.empty()) records_.back().values.pop_back();
  loose_.reset();
}

// The keyword's place is already that of the record being traced.
void compile_trace::on_record(record_kind kind, field_location /*keyword*/) {
  if (!in_record_) return;
  traced_record& last = records_.back();
  if (!last.kind) {
    last.kind = kind;
    return;
  }
  traced_record again;
  again.file = last.file;
  again.keyword = last.keyword;
  again.kind = kind;
  records_.push_back(std::move(again));
}

std::optional<std::size_t> compile_trace::current_record() const {
  if (!in_record_ || records_.empty() || records_.back().file != current_) return std::nullopt;
  return records_.size() - 1;
}

void compile_trace::on_status(std::int32_t code, std::int32_t position) {
  refusals_.push_back({current_, current_record(), code, position, {}, {}, false});
}

void compile_trace::on_recovered(const input_failure& failure, bool given_back) {
  traced_refusal r{current_,       current_record(), status_input_failure, 0, failure.where(),
                   failure.what(), given_back};
  const auto at = r.what.find(" at line ");
  if (at != std::string::npos) r.what.erase(at);
  // The failing field is read again as a keyword: it is not a value of
  // this record.
  if (r.record) {
    auto& values = records_[*r.record].values;
    if (given_back && !values.empty()) values.pop_back();
    // The failing field is the last value when it was read at all (a read
    // at the end of the file reads none).
    const bool read = !values.empty() && values.back().where.line == failure.where().line &&
                      values.back().where.column == failure.where().column;
    r.field = read ? values.size() - 1 : values.size();
  }
  refusals_.push_back(std::move(r));
}

const traced_record* compile_trace::last_record(description which) const {
  for (auto it = records_.rbegin(); it != records_.rend(); ++it) {
    if (it->file == which) return &*it;
  }
  return nullptr;
}

std::optional<std::int64_t> field_text_number(std::string_view t) {
  if (t.empty()) return 0;
  if (t.front() == '+') t.remove_prefix(1);
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

std::optional<std::int64_t> traced_number(const traced_record& r, std::size_t i) {
  if (i >= r.values.size()) return std::nullopt;
  return field_text_number(r.values[i].text);
}

}  // namespace scn
