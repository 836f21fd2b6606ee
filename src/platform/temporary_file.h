// A file written under a temporary name beside the file it will replace,
// then moved over it in one step. The temporary name is random and the file
// is created new (never opened when something, a link included, already has
// that name), so nobody can make the program write through a planted link.
// Until it replaces its target, the file is removed when the object goes
// away (an exception included) and when an interrupt ends the process.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace scn {

class temporary_file {
 public:
  virtual ~temporary_file() = default;

  // Creates the file beside `target` (same directory). On failure returns
  // nothing and leaves the system's reason in `reason`.
  static std::unique_ptr<temporary_file> create_beside(const std::string& target,
                                                       std::string& reason);

  // Writes the bytes where the last write ended, or where seek() placed the
  // next one; false with the reason when the system refused them.
  virtual bool write(std::string_view bytes, std::string& reason) = 0;

  // The next write goes to `offset` from the start of the file (beyond the
  // end leaves a gap that a later write fills).
  virtual bool seek(std::uint64_t offset, std::string& reason) = 0;

  // Closes the file (its last write may fail here) and gives it the
  // permission bits of the file it replaces, if that is a regular file.
  virtual bool close(std::string& reason) = 0;

  // Renames the closed file over the target in one step: a reader sees the
  // old file or the new one, never a mixture.
  virtual bool replace_target(std::string& reason) = 0;

  // The random name chosen inside the target's directory.
  virtual const std::string& name() const = 0;
};

// A random file name for a temporary file: ".tmp" and twelve letters or
// digits, short enough that a name the system accepts for the target is
// never refused because of its temporary.
std::string random_temporary_name();

}  // namespace scn
