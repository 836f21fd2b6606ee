// A table of decoded rows, printed as aligned text, CSV or JSON.
#pragma once

#include <string>
#include <vector>

namespace scn::tool {

struct dump_field {
  std::string text;  // UTF-8 for display
  enum class type { number, string, null } kind = type::number;
};

struct dump_table {
  std::string file_kind;  // "cells", "items" or "plan"
  std::vector<std::string> columns;
  std::vector<std::vector<dump_field>> rows;
};

std::string render_text(const dump_table& t);
std::string render_csv(const dump_table& t);
std::string render_json(const dump_table& t);

}  // namespace scn::tool
