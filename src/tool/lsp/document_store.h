// The documents the editor holds open, as full texts, and where the server
// finds every other file: the text the editor sends for an open document,
// the disk for the rest.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scn::tool::lsp {

// The files beside a document, read only. Tests supply them from memory.
class file_source {
 public:
  virtual ~file_source() = default;
  virtual std::optional<std::string> read(const std::string& path) const = 0;
  // The paths of the regular files in a folder.
  virtual std::vector<std::string> list(const std::string& folder) const = 0;
};

// The real file system.
class disk_files final : public file_source {
 public:
  std::optional<std::string> read(const std::string& path) const override;
  std::vector<std::string> list(const std::string& folder) const override;
};

// A file:// URI as a path ("file:///home/a%20b/x.txt" -> "/home/a b/x.txt",
// "file:///c%3A/x" -> "c:/x"); other schemes give nothing.
std::optional<std::string> path_of_uri(const std::string& uri);
// The file:// URI of an absolute path.
std::string uri_of_path(const std::string& path);

struct open_document {
  std::string uri;
  std::string text;
  long long version = 0;
};

class document_store {
 public:
  explicit document_store(const file_source& files) : files_(files) {}

  void open(const std::string& uri, std::string text, long long version);
  // Full synchronisation: the new text replaces the old. False when the
  // document is not open.
  bool change(const std::string& uri, std::string text, long long version);
  void close(const std::string& uri);

  const open_document* find(const std::string& uri) const;
  // The open document at a path, if any.
  const open_document* find_path(const std::string& path) const;
  // The editor's text of an open document, or the file on disk.
  std::optional<std::string> text_of_path(const std::string& path) const;
  // Every path in a folder: files on disk and documents open there.
  std::vector<std::string> paths_in(const std::string& folder) const;
  const std::map<std::string, open_document>& documents() const { return documents_; }

 private:
  const file_source& files_;
  std::map<std::string, open_document> documents_;  // by URI
};

}  // namespace scn::tool::lsp
