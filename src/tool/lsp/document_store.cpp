// Open documents, URIs and file access.
#include "tool/lsp/document_store.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace scn::tool::lsp {

namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string folder_of(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

std::optional<std::string> disk_files::read(const std::string& path) const {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(std::filesystem::path(path), ec)) return std::nullopt;
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> disk_files::list(const std::string& folder) const {
  std::vector<std::string> out;
  std::error_code ec;
  std::filesystem::directory_iterator it(std::filesystem::path(folder), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (it->is_regular_file(type_ec)) {
      out.push_back(folder + "/" + it->path().filename().string());
    }
  }
  return out;
}

std::optional<std::string> path_of_uri(const std::string& uri) {
  constexpr std::string_view scheme = "file://";
  if (uri.compare(0, scheme.size(), scheme) != 0) return std::nullopt;
  std::string path;
  for (std::size_t i = scheme.size(); i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() && hex_digit(uri[i + 1]) >= 0 &&
        hex_digit(uri[i + 2]) >= 0) {
      path += static_cast<char>(hex_digit(uri[i + 1]) * 16 + hex_digit(uri[i + 2]));
      i += 2;
    } else {
      path += uri[i];
    }
  }
  // "/c:/x" is a Windows drive path.
  if (path.size() >= 3 && path[0] == '/' && path[2] == ':') path.erase(0, 1);
  if (path.empty()) return std::nullopt;
  return path;
}

std::string uri_of_path(const std::string& path) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string out = "file://";
  if (!path.empty() && path[0] != '/') out += '/';
  for (const unsigned char c : path) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (plain) {
      out += static_cast<char>(c);
    } else if (c == '\\') {
      out += '/';
    } else {
      out += '%';
      out += digits[c >> 4];
      out += digits[c & 15];
    }
  }
  return out;
}

void document_store::open(const std::string& uri, std::string text, long long version) {
  documents_[uri] = {uri, std::move(text), version};
}

bool document_store::change(const std::string& uri, std::string text, long long version) {
  const auto it = documents_.find(uri);
  if (it == documents_.end()) return false;
  it->second.text = std::move(text);
  it->second.version = version;
  return true;
}

void document_store::close(const std::string& uri) {
  documents_.erase(uri);
}

const open_document* document_store::find(const std::string& uri) const {
  const auto it = documents_.find(uri);
  return it == documents_.end() ? nullptr : &it->second;
}

const open_document* document_store::find_path(const std::string& path) const {
  for (const auto& [uri, doc] : documents_) {
    if (path_of_uri(uri) == path) return &doc;
  }
  return nullptr;
}

std::optional<std::string> document_store::text_of_path(const std::string& path) const {
  if (const auto* doc = find_path(path)) return doc->text;
  return files_.read(path);
}

std::vector<std::string> document_store::paths_in(const std::string& folder) const {
  auto out = files_.list(folder);
  for (const auto& [uri, doc] : documents_) {
    const auto path = path_of_uri(uri);
    if (path && folder_of(*path) == folder) out.push_back(*path);
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace scn::tool::lsp
