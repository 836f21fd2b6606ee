// Hints to the system about how the program uses its memory. Each is only a
// hint: it changes no result, and a system that ignores it runs the same.
#pragma once

#include <cstddef>

namespace scn {

// The size and alignment of the large pages the hint below asks for.
inline constexpr std::size_t large_page_size = std::size_t{2} * 1024 * 1024;

// Asks the system to back the range with large pages where it can: a big
// array that is filled once then costs a few page faults instead of one per
// small page. The range should start on a multiple of large_page_size.
void prefer_large_pages(void* start, std::size_t bytes);

}  // namespace scn
