// The station area as its kind derives it.
#include "catalogue/station_rules.h"

#include "model/rounding.h"

namespace scn {

station_area station_area_of(std::int64_t position, std::int64_t kind, std::int64_t length,
                             std::int64_t end_extension) {
  if (station_reaches_back(kind))
    return {position - length, kind <= 6 ? position + 150 : position + length};
  const double p = static_cast<double>(position);
  return {nearest(p - length / 2.0), nearest(p + length / 2.0) + (end_extension != 0 ? 50 : 0)};
}

}  // namespace scn
