// A record of what the compiler read: every keyword field with the value
// fields that followed it, where each stands in its file, how each half
// ended and where an input failure struck. The authoring tool explains
// statuses and checks the format with it; the run itself keeps none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/record_catalogue.h"
#include "compiler/description_files.h"
#include "compiler/input_failure.h"

namespace scn {

// What a field reader reports as it reads.
class field_observer {
 public:
  virtual ~field_observer() = default;
  virtual void on_field(field_location where, std::string_view text) = 0;
  // The last field read was taken as a keyword.
  virtual void on_keyword() = 0;
  // The last field read was a comment field, discarded by the dash rule.
  virtual void on_discarded() = 0;
  // The keyword at `keyword` matched the test of `kind`; that record's value
  // fields are read next. A keyword matching several tests is reported once
  // per test, in dispatch order.
  virtual void on_record(record_kind /*kind*/, field_location /*keyword*/) {}

  // Analysis mode: when true, a record the compiler refuses (a status) or
  // cannot read (an input failure) is reported here, left out, and reading
  // goes on with the next keyword, so that one pass finds every fault. The
  // program and "compile" never turn it on; their bytes stay as they are.
  virtual bool recovering() const { return false; }
  // The record just read was refused with this status and left out.
  virtual void on_status(std::int32_t /*code*/, std::int32_t /*position*/) {}
  // The record just read failed; `given_back` tells that the field that
  // failed is read again as the next keyword (it was not a number, so most
  // likely the next record's keyword after a missing value).
  virtual void on_recovered(const input_failure& /*failure*/, bool /*given_back*/) {}
  // A finishing step after the compile (the signal marker pass) set a status.
  virtual void on_finishing_status(std::int32_t /*code*/, std::int32_t /*position*/) {}
};

// What the compiler reports as it runs: every field, every record with its
// kind, how each half ended and where an input failure struck. The trace
// below keeps all of it; diagnostics may keep what they need.
class compile_observer : public field_observer {
 public:
  // Fields read from now on belong to this file.
  virtual void begin(description which) = 0;
  virtual void end_half(description which, std::int32_t status_code,
                        std::int32_t status_position) = 0;
  virtual void failed(const input_failure& f) = 0;
};

struct traced_field {
  field_location where;
  std::string text;
};

// A keyword field and the fields read after it. `kind` is the record the
// compiler read it as; none for a keyword that matched no test (its values
// are the fields that followed it, themselves tried as keywords). A keyword
// that matched several tests gives one record per test, each with its own
// values.
struct traced_record {
  description file = description::line;
  traced_field keyword;
  std::vector<traced_field> values;
  std::optional<record_kind> kind;
};

// A field's text as the number an author meant: an empty field is 0, a
// leading '+' is allowed; anything else that is not a whole decimal is none.
std::optional<std::int64_t> field_text_number(std::string_view text);

// Value i of a record as a number, when it is one.
std::optional<std::int64_t> traced_number(const traced_record& r, std::size_t i);

// How one half of the compiler ended.
struct traced_half {
  bool ran = false;
  std::int32_t status_code = 0;
  std::int32_t status_position = 0;
};

struct traced_failure {
  description file = description::line;
  field_location where;
  std::string what;
};

// A record refused or unreadable in analysis mode, and left out: the index
// of its record in the trace (none when the file had no record yet), the
// status, or the failure's words when `status` is 25.
struct traced_refusal {
  description file = description::line;
  std::optional<std::size_t> record;
  std::int32_t status = 0;
  std::int32_t position = 0;
  field_location where;  // the failing field of an input failure
  std::string what;      // the failure's words, without its location
  bool given_back = false;
  std::size_t field = 0;  // the value index that failed
};

class compile_trace final : public compile_observer {
 public:
  void begin(description which) override;
  void end_half(description which, std::int32_t status_code, std::int32_t status_position) override;
  void failed(const input_failure& f) override;

  void on_field(field_location where, std::string_view text) override;
  void on_keyword() override;
  void on_discarded() override;
  void on_record(record_kind kind, field_location keyword) override;

  // Analysis mode for "check": refused records are kept here.
  void set_recovering(bool on) { recovering_ = on; }
  bool recovering() const override { return recovering_; }
  void on_status(std::int32_t code, std::int32_t position) override;
  void on_recovered(const input_failure& failure, bool given_back) override;
  const std::vector<traced_refusal>& refusals() const { return refusals_; }
  // Every status of the finishing steps, in the order they were set.
  void on_finishing_status(std::int32_t code, std::int32_t position) override {
    finishing_.push_back({code, position});
  }
  const std::vector<std::pair<std::int32_t, std::int32_t>>& finishing_statuses() const {
    return finishing_;
  }

  const std::vector<traced_record>& records() const { return records_; }
  const traced_half& half(description which) const {
    return which == description::line ? line_ : train_;
  }
  const std::optional<traced_failure>& failure() const { return failure_; }
  // The last record of a file, if it has any.
  const traced_record* last_record(description which) const;

 private:
  // The record being read in the current file, if any.
  std::optional<std::size_t> current_record() const;

  description current_ = description::line;
  std::vector<traced_record> records_;
  std::optional<traced_field> loose_;  // last field read outside a record
  bool in_record_ = false;
  traced_half line_;
  traced_half train_;
  std::optional<traced_failure> failure_;
  bool recovering_ = false;
  std::vector<traced_refusal> refusals_;
  std::vector<std::pair<std::int32_t, std::int32_t>> finishing_;
};

}  // namespace scn
