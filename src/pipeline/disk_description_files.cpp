// Reading and deleting the description files on disk.
#include "pipeline/disk_description_files.h"

#include "platform/file_ops.h"

namespace scn {

bool disk_description_files::exists(description which) {
  return file_exists(name(which));
}

std::optional<std::string> disk_description_files::read(description which) {
  return read_file(name(which));
}

void disk_description_files::remove(description which) {
  if (deletes_ && file_exists(name(which))) delete_file(name(which));
}

}  // namespace scn
