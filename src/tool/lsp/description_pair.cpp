// Pairing line and train descriptions by their names.
#include "tool/lsp/description_pair.h"

namespace scn::tool::lsp {

namespace {

constexpr std::string_view line_suffix = "_linea.txt";
constexpr std::string_view train_suffix = "-.txt";

bool ends_with(const std::string& s, std::string_view suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::size_t name_start(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? 0 : slash + 1;
}

std::string folder_of(const std::string& path) {
  const auto start = name_start(path);
  return start == 0 ? std::string(".") : path.substr(0, start - 1);
}

std::string base_of(const std::string& path) {
  return path.substr(name_start(path));
}

}  // namespace

description_role role_of(const std::string& path) {
  const std::string base = base_of(path);
  if (ends_with(base, line_suffix) && base.size() > line_suffix.size())
    return description_role::line;
  const auto underscore = base.find('_');
  if (ends_with(base, train_suffix) && underscore != std::string::npos && underscore > 0 &&
      underscore + 1 < base.size() - train_suffix.size())
    return description_role::train;
  return description_role::other;
}

description_pair pair_for_train(const std::string& train_path, const document_store& docs) {
  description_pair p;
  p.train_path = train_path;
  const std::string base = base_of(train_path);
  const std::string stem = base.substr(0, base.size() - train_suffix.size());
  const std::string folder = folder_of(train_path);
  std::size_t chosen = stem.find('_');  // the shortest line name, if none exists
  for (std::size_t at = stem.find('_'); at != std::string::npos; at = stem.find('_', at + 1)) {
    if (at + 1 >= stem.size()) break;
    const std::string candidate = folder + "/" + stem.substr(0, at) + std::string(line_suffix);
    if (docs.find_path(candidate) != nullptr || docs.text_of_path(candidate)) {
      chosen = at;
      p.line_path = candidate;
    }
  }
  if (chosen == std::string::npos) return p;
  p.line_name = stem.substr(0, chosen);
  p.train_number = stem.substr(chosen + 1);
  return p;
}

std::vector<description_pair> pairs_for_line(const std::string& line_path,
                                             const document_store& docs) {
  const std::string base = base_of(line_path);
  const std::string line_name = base.substr(0, base.size() - line_suffix.size());
  const std::string prefix = line_name + "_";
  std::vector<description_pair> open, on_disk;
  for (const auto& path : docs.paths_in(folder_of(line_path))) {
    const std::string name = base_of(path);
    if (role_of(path) != description_role::train || name.compare(0, prefix.size(), prefix) != 0)
      continue;
    const auto p = pair_for_train(path, docs);
    if (p.line_path != line_path) continue;  // belongs to a longer line name
    (docs.find_path(path) != nullptr ? open : on_disk).push_back(p);
  }
  if (!open.empty()) return open;
  if (!on_disk.empty()) return {on_disk.front()};
  description_pair alone;
  alone.line_path = line_path;
  alone.line_name = line_name;
  return {alone};
}

}  // namespace scn::tool::lsp
