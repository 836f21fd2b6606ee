// The JSON document of a dump, written row by row.
#include "tool/dump/json_rows.h"

#include "tool/dump/json_string.h"

namespace scn::tool {

json_rows::json_rows(const dump_layout& layout) {
  begin_ = "{\"file\": ";
  append_json_string(begin_, layout.file_kind);
  begin_ += ", \"rows\": [";
  keys_.reserve(layout.columns.size());
  for (const auto& column : layout.columns) {
    std::string key;
    append_json_string(key, column);
    key += ':';
    keys_.push_back(std::move(key));
  }
}

void json_rows::append_begin(std::string& out) const {
  out += begin_;
}

void json_rows::append_row(std::string& out, const dump_row& row) {
  out += first_ ? "\n  {" : ",\n  {";
  first_ = false;
  // Every row object has every column of the layout; a row that lacks
  // one gives it null.
  for (std::size_t c = 0; c < keys_.size(); ++c) {
    if (c) out += ',';
    out += keys_[c];
    const dump_field* f = c < row.size() ? &row[c] : nullptr;
    if (f && f->kind == dump_field::type::string) {
      append_json_string(out, f->text);
    } else if (f && f->kind == dump_field::type::number && is_json_number(f->text)) {
      out += f->text;
    } else {
      out += "null";
    }
  }
  out += '}';
}

void json_rows::append_end(std::string& out) const {
  out += "\n]}\n";
}

}  // namespace scn::tool
