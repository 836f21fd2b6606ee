// Step chart outlines.
#include "plot/step_paths.h"

#include <algorithm>

#include "plot/svg_writer.h"

namespace scn::plot {
namespace {

// Horizontal and vertical moves through the steps, starting from the
// current point at the line's start.
void trace_steps(path_data& d, const chart_frame& f, const std::vector<double>& values) {
  bool first = true;
  double current = 0;
  for (std::size_t i = 0; i < values.size() && i * 50.0 < f.length_m; ++i) {
    if (first || values[i] != current) {
      d.horizontal(f.x(static_cast<double>(i) * 50.0));
      d.vertical(f.y(values[i]));
      current = values[i];
      first = false;
    }
  }
  const double end = std::min(static_cast<double>(values.size()) * 50.0, f.length_m);
  d.horizontal(f.x(end));
}

}  // namespace

std::string step_line(const chart_frame& f, const std::vector<double>& values) {
  if (values.empty()) return {};
  path_data d;
  d.move(f.x(0), f.y(values.front()));
  trace_steps(d, f, values);
  return d.str();
}

std::string step_area(const chart_frame& f, const std::vector<double>& values, double base) {
  if (values.empty()) return {};
  path_data d;
  d.move(f.x(0), f.y(base));
  trace_steps(d, f, values);
  d.vertical(f.y(base));
  d.close();
  return d.str();
}

std::vector<double> one_sign(const std::vector<double>& values, bool keep_positive) {
  std::vector<double> out(values);
  for (double& v : out) v = keep_positive ? std::max(v, 0.0) : std::min(v, 0.0);
  return out;
}

}  // namespace scn::plot
