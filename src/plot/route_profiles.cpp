// Gradient, height, speed and curvature per cell of the model.
#include "plot/route_profiles.h"

#include <algorithm>
#include <cmath>

#include "plot/route_plan.h"

namespace scn::plot {
namespace {

constexpr double cell_metres = 50.0;

void fill_curvature(const scenario& s, route_profiles& p) {
  const plan_track track(s.plan);
  if (!track.drawable()) return;
  p.curvature.assign(p.cells, 0.0);
  for (std::size_t i = 0; i < p.cells; ++i) {
    const std::size_t a = std::max<std::size_t>(i * 50, 1);
    const std::size_t b = std::min(i * 50 + 50, track.size() - 1);
    p.curvature[i] = track.turn_per_metre(a, b) * 1000.0;
  }
}

}  // namespace

double drawn_length(const scenario& s) {
  const double model = static_cast<double>(s.track_cells.size()) * cell_metres;
  const double line = s.items[run_row].end;
  return line > 0 && line <= model ? line : model;
}

route_profiles build_route_profiles(const scenario& s, double length_m) {
  route_profiles p;
  p.cells = std::min(s.track_cells.size(),
                     static_cast<std::size_t>(std::ceil(std::max(length_m, 0.0) / cell_metres)));
  p.height.push_back(0.0);
  for (std::size_t i = 0; i < p.cells; ++i) {
    const track_cell& c = s.track_cells[i];
    const double g = static_cast<double>(c.gradient) - 100.0;
    p.gradient.push_back(g);
    p.height.push_back(p.height.back() + g / 1000.0 * cell_metres);
    p.speed.push_back(c.speed_limit * 5.0);
  }
  fill_curvature(s, p);
  return p;
}

}  // namespace scn::plot
