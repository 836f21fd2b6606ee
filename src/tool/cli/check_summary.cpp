// Summing up a check.
#include "tool/cli/check_summary.h"

#include "plot/route_objects.h"
#include "tool/check/finding_report.h"

namespace scn::tool {

namespace {

std::string plural(std::size_t n, const char* word) {
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

}  // namespace

std::string summary_line(const std::vector<finding>& findings, const scenario& s) {
  if (!findings.empty())
    return plural(count_errors(findings), "error") + ", " +
           plural(count_warnings(findings), "warning") + "\n";
  const plot::route_objects o = plot::collect_route_objects(s);
  return "ok: a line of " + std::to_string(s.items[run_row].end) + " m with " +
         plural(o.stations.size(), "station") + ", " + plural(o.signals.size(), "signal") + ", " +
         plural(o.slowdowns.size(), "slowdown") + ", " + plural(o.boards.size(), "text board") +
         ", " + plural(o.tunnels.size(), "tunnel") + "\n";
}

}  // namespace scn::tool
