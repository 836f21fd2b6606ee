// Default identity from file names, and the safety check of names.
#include "tool/cli/identity_names.h"

namespace scn::tool {

namespace {

bool ends_with(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string base_name(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string default_line_name(const std::string& line_path) {
  std::string name = base_name(line_path);
  if (ends_with(name, "_linea.txt")) return name.substr(0, name.size() - 10);
  const auto dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string default_train_number(const std::string& train_path, const std::string& line_name) {
  std::string name = base_name(train_path);
  const std::string head = line_name + "_";
  if (name.size() >= head.size() && name.compare(0, head.size(), head) == 0) {
    name = name.substr(head.size());
  }
  if (ends_with(name, "-.txt")) return name.substr(0, name.size() - 5);
  const auto dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::optional<std::string> unsafe_name_reason(const std::string& name) {
  if (name.empty()) return "it is empty";
  if (name.find("..") != std::string::npos) return "it contains \"..\"";
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F) return "it contains a control character";
    if (c == '/' || c == '\\') return "it contains a path separator";
    if (std::string("<>:\"|?*").find(static_cast<char>(c)) != std::string::npos) {
      return std::string("it contains '") + static_cast<char>(c) + "', which Windows forbids";
    }
  }
  return std::nullopt;
}

}  // namespace scn::tool
