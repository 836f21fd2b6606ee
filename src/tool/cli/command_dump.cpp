// "dump": a cell, item or plan file as readable rows, decoded and printed
// one row at a time.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "formats/decode_error.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "platform/unique_file.h"
#include "tool/cli/commands.h"
#include "tool/cli/options.h"
#include "tool/cli/output_safety.h"
#include "tool/cli/standard_output.h"
#include "tool/dump/dump_rows.h"
#include "tool/dump/json_rows.h"

namespace scn::tool {

namespace {

// A pass over a file on disk.
class file_cursor final : public byte_cursor {
 public:
  file_cursor(const std::string& name, unique_file f, std::uint64_t size)
      : name_(name), f_(std::move(f)), size_(size) {}
  std::size_t read(char* to, std::size_t n) override {
    const std::size_t got = std::fread(to, 1, n, f_.get());
    if (got < n && std::ferror(f_.get()) != 0) {
      throw file_error(name_, "read", std::strerror(errno));
    }
    return got;
  }
  std::optional<std::uint64_t> size() const override { return size_; }

 private:
  std::string name_;
  unique_file f_;
  std::uint64_t size_;
};

// Opens the file for one pass; refuses, before reading, a file larger than
// any its kind can be.
std::unique_ptr<byte_cursor> open_pass(const std::string& name, binary_kind kind) {
  errno = 0;
  unique_file f(std::fopen(name.c_str(), "rb"));
  if (!f) throw file_error(name, "read", errno == ENOENT ? "No such file" : std::strerror(errno));
  std::uint64_t size = 0;
  if (!size_of_open_file(f.get(), size)) throw file_error(name, "read", "it is not a regular file");
  if (size > largest_file(kind)) {
    throw file_error(name, "read",
                     "it has " + std::to_string(size) + " bytes, more than the " +
                         std::to_string(largest_file(kind)) + " the largest " + kind_noun(kind) +
                         " file has");
  }
  return std::make_unique<file_cursor>(name, std::move(f), size);
}

void print_rows(binary_kind kind, const cursor_opener& open, const std::string& format) {
  const dump_layout layout = layout_of(kind);
  checked_output out(stdout);
  std::string& text = out.buffer();
  if (format == "text") {
    auto widths = text_widths(layout);
    decode_rows(kind, open, [&](const dump_row& row) { widen_text(widths, row); });
    append_text_header(text, layout, widths);
    decode_rows(kind, open, [&](const dump_row& row) {
      append_text_row(text, row, widths);
      out.maybe_write();
    });
  } else if (format == "csv") {
    append_csv_header(text, layout);
    decode_rows(kind, open, [&](const dump_row& row) {
      append_csv_row(text, row);
      out.maybe_write();
    });
  } else {
    json_rows json(layout);
    json.append_begin(text);
    decode_rows(kind, open, [&](const dump_row& row) {
      json.append_row(text, row);
      out.maybe_write();
    });
    json.append_end(text);
  }
  out.write();
}

}  // namespace

int command_dump(const std::vector<std::string>& args, platform&) {
  const auto o = parse_options(args, "dump");
  const std::string format = o.value_or("--format", "text");
  if (format != "text" && format != "csv" && format != "json") {
    throw usage_error("unknown format " + format + " (text, csv or json)");
  }
  const std::string& name = o.positional[0];
  require_standard_output_apart_from_inputs({name});
  const auto kind = kind_of_file(name);
  open_pass(name, kind);  // the file's own faults come before any decoding
  try {
    print_rows(
        kind, [&] { return open_pass(name, kind); }, format);
  } catch (const decode_error& e) {
    std::fprintf(stderr, "scenario-tool: %s: not a valid %s file %s\n", name.c_str(),
                 kind_noun(kind), e.what());
    return 1;
  }
  return 0;
}

}  // namespace scn::tool
