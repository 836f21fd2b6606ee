// Mapping of line positions and chart values to the pixels of one chart,
// and the choice of round tick values for its axes.
#pragma once

#include <vector>

namespace scn::plot {

struct chart_frame {
  double left = 0;    // pixel x of the line's start
  double right = 0;   // pixel x of the line's end
  double top = 0;     // pixel y of `high`
  double bottom = 0;  // pixel y of `low`
  double length_m = 0;
  double low = 0;
  double high = 1;

  double x(double metres) const;
  double y(double value) const;
  double height() const { return bottom - top; }
};

// A round step (1, 2 or 5 times a power of ten) giving about `target` steps
// over `span`.
double nice_step(double span, int target);

// Multiples of `step` from `low` to `high`, both included where they are
// multiples.
std::vector<double> ticks(double low, double high, double step);

// `low` and `high` widened outwards to multiples of `step`.
void widen_to_step(double& low, double& high, double step);

}  // namespace scn::plot
