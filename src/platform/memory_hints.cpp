// Memory hints: transparent huge pages through madvise on Linux; nothing
// elsewhere.
#include "platform/memory_hints.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace scn {

void prefer_large_pages(void* start, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  // A refusal (huge pages disabled, or an older kernel) leaves small pages.
  static_cast<void>(::madvise(start, bytes, MADV_HUGEPAGE));
#else
  static_cast<void>(start);
  static_cast<void>(bytes);
#endif
}

}  // namespace scn
