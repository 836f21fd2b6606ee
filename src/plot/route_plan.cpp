// Lookup, sampling and turning of the plan of the line.
#include "plot/route_plan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace scn::plot {

plan_track::plan_track(const track_plan& plan) : plan_(plan) {
  while (size_ < plan.points() && plan.tag(size_, 0) != plan_tag::empty &&
         plan.tag(size_, 1) != plan_tag::empty) {
    ++size_;
  }
}

plan_point plan_track::at(double metre) const {
  if (size_ == 0) return {};
  const double m = std::clamp(metre, 0.0, static_cast<double>(size_ - 1));
  const auto i = static_cast<std::size_t>(m);
  const std::size_t j = std::min(i + 1, size_ - 1);
  const double f = m - static_cast<double>(i);
  return {plan_.value(i, 0) + f * (plan_.value(j, 0) - plan_.value(i, 0)),
          plan_.value(i, 1) + f * (plan_.value(j, 1) - plan_.value(i, 1))};
}

std::vector<plan_point> plan_track::sample(double from, double to, double step) const {
  std::vector<plan_point> points;
  if (size_ == 0 || step <= 0) return points;
  const double last = std::min(to, static_cast<double>(size_ - 1));
  for (double m = std::max(from, 0.0); m < last; m += step) points.push_back(at(m));
  points.push_back(at(last));
  return points;
}

double plan_track::heading(std::size_t metre) const {
  const std::size_t b = std::clamp<std::size_t>(metre, 1, size_ - 1);
  return std::atan2(plan_.value(b, 1) - plan_.value(b - 1, 1),
                    plan_.value(b, 0) - plan_.value(b - 1, 0));
}

double plan_track::turn_per_metre(std::size_t a, std::size_t b) const {
  if (size_ < 2 || b <= a) return 0;
  double change = heading(b) - heading(a);
  constexpr double pi = std::numbers::pi;
  while (change > pi) change -= 2 * pi;
  while (change < -pi) change += 2 * pi;
  // atan2 grows anticlockwise; a right-hand turn is clockwise.
  return -change / static_cast<double>(b - a);
}

}  // namespace scn::plot
