// Chart coordinate mapping and tick choice.
#include "plot/chart_frame.h"

#include <cmath>

namespace scn::plot {

double chart_frame::x(double metres) const {
  if (length_m <= 0) return left;
  return left + (right - left) * metres / length_m;
}

double chart_frame::y(double value) const {
  if (high <= low) return bottom;
  return bottom - (bottom - top) * (value - low) / (high - low);
}

double nice_step(double span, int target) {
  if (!(span > 0) || target < 1) return 1;
  const double rough = span / target;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  const double f = rough / power;
  const double m = f < 1.5 ? 1 : f < 3.5 ? 2 : f < 7.5 ? 5 : 10;
  return m * power;
}

std::vector<double> ticks(double low, double high, double step) {
  std::vector<double> out;
  if (!(step > 0) || high < low) return out;
  const double first = std::ceil(low / step - 1e-9);
  const double last = std::floor(high / step + 1e-9);
  for (double k = first; k <= last && out.size() < 1000; ++k) out.push_back(k * step);
  return out;
}

void widen_to_step(double& low, double& high, double step) {
  if (!(step > 0)) return;
  low = std::floor(low / step + 1e-9) * step;
  high = std::ceil(high / step - 1e-9) * step;
}

}  // namespace scn::plot
