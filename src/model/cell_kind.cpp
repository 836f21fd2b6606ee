// Names of the cell kind codes.
#include "model/cell_kind.h"

namespace scn {

const char* cell_kind_name(std::uint8_t kind) {
  switch (static_cast<cell_kind>(kind)) {
    case cell_kind::empty:
      return "empty";
    case cell_kind::signal:
      return "signal";
    case cell_kind::slowdown_end:
      return "slowdown_end";
    case cell_kind::slowdown_start:
      return "slowdown_start";
    case cell_kind::slowdown_warning:
      return "slowdown_warning";
    case cell_kind::warning_approach:
      return "warning_approach";
    case cell_kind::speed_boards:
      return "speed_boards";
    case cell_kind::station_stop:
      return "station_stop";
    case cell_kind::backdrop_mark:
      return "backdrop_mark";
    case cell_kind::reduction_mark:
      return "reduction_mark";
    case cell_kind::bare_reduction_mark:
      return "bare_reduction_mark";
    case cell_kind::text_board:
      return "text_board";
  }
  return "unknown";
}

}  // namespace scn
