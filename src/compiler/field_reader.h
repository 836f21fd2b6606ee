// Field-by-field reading of a description file held in memory, in the manner
// of a sequential comma-separated input statement.
//
// A field starts after any blanks (byte 0x20 only). A text field runs up to a
// comma or a line end (CR LF, LF or a lone CR) and keeps everything before it,
// trailing blanks included; the comma or line end is consumed. A numeric field
// also ends at a blank; the blanks after it are skipped, then one comma or one
// line end is consumed. An empty field reads as "" or 0. A read that starts
// exactly at the end of the file fails; blanks alone before the end give an
// empty field. A text field may be of any length: only a text stored in the
// item table has a limit (see item_text.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "compiler/compile_trace.h"
#include "compiler/input_failure.h"

namespace scn {

class field_reader {
 public:
  explicit field_reader(std::string_view bytes) : bytes_(bytes) {}

  // True once every byte has been consumed.
  bool at_end() const { return pos_ >= bytes_.size(); }
  // Size of the whole description in bytes.
  std::size_t size() const { return bytes_.size(); }

  // The view stays valid as long as the bytes handed to the constructor.
  std::string_view read_text();
  std::int32_t read_long();
  std::int16_t read_integer();
  std::uint8_t read_byte();

  // Position of the last field read, and the whole text of its line (without
  // the line end).
  field_location last_location() const { return last_; }
  std::string_view last_line_text() const;

  // An observer hears of every field read, and of how the keyword reader
  // took the last one; none by default.
  void set_observer(field_observer* observer) { observer_ = observer; }
  void mark_keyword() {
    keyword_ = last_;
    if (observer_ != nullptr) observer_->on_keyword();
  }
  // The last keyword is read as a record of this kind; its values follow.
  void mark_record(record_kind kind) {
    fields_in_record_ = 0;
    if (observer_ != nullptr) observer_->on_record(kind, keyword_);
  }
  // Fields read since the last mark_record.
  std::size_t fields_in_record() const { return fields_in_record_; }
  // Reads a numeric field without converting it, as analysis mode does to
  // pass over the values of a record it leaves out.
  void skip_numeric();
  void mark_discarded() {
    if (observer_ != nullptr) observer_->on_discarded();
  }

  // Analysis mode of the observer (see field_observer::recovering).
  bool recovering() const { return observer_ != nullptr && observer_->recovering(); }
  void report_status(std::int32_t code, std::int32_t position) {
    if (observer_ != nullptr) observer_->on_status(code, position);
  }
  // In analysis mode: reports the failure of the record being read and
  // returns true so that reading goes on; a field that was not a number and
  // stands on a later line than the keyword is given back, to be read again
  // as the next keyword. Outside analysis mode: false, and nothing changes.
  bool recover_from(const input_failure& failure);
  // Whether the last recovered failure gave its field back.
  bool gave_back() const { return gave_back_; }

 private:
  void begin_field();
  bool take_digits(std::int64_t& value, std::string_view& token);
  void end_numeric_field();
  std::int64_t read_number(std::int64_t low, std::int64_t high, const char* type);
  std::string_view take_numeric_token();
  void skip_line_end();
  bool at_line_end() const;
  [[noreturn]] void fail(const char* what) const;
  void report(std::string_view text) {
    if (observer_ != nullptr) observer_->on_field(last_, text);
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::int32_t line_ = 1;
  std::size_t line_start_ = 0;
  field_location last_{};
  field_location keyword_{};
  // Where the last field began (before its blanks), and whether it failed
  // for not being a number.
  std::size_t field_pos_ = 0;
  std::int32_t field_line_ = 1;
  std::size_t field_line_start_ = 0;
  bool not_a_number_ = false;
  bool gave_back_ = false;
  std::size_t fields_in_record_ = 0;
  std::size_t last_line_start_ = 0;
  field_observer* observer_ = nullptr;
};

}  // namespace scn
