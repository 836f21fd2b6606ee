// Station band, station lines and object lanes of the profile charts.
#include "plot/profile_marks.h"

#include <algorithm>
#include <cstdio>

#include "plot/svg_text.h"

namespace scn::plot {
namespace {

constexpr double name_font = 11;
constexpr double char_width = 0.66 * name_font;  // capital letters, generously
constexpr double min_label_gap = 12;             // pixels between upright names
constexpr double lane = 17;                      // height of one lane

std::string station_label(const station_mark& st) {
  std::string label = xml_escape(st.name.empty() ? "(unnamed)" : st.name);
  if (st.time_s > 0) label += "  <tspan class=\"time\">" + clock_text(st.time_s) + "</tspan>";
  return label;
}

std::string station_tip(const station_mark& st) {
  std::string tip = st.name + ", " + km_text(st.position);
  tip += st.stops ? ", stop" : ", no stop";
  if (st.time_s > 0) tip += ", " + clock_text(st.time_s);
  return xml_escape(tip);
}

// Label positions: at the stations, pushed right where names would touch.
std::vector<double> label_xs(const plot_input& in, const chart_frame& f) {
  std::vector<double> xs;
  for (const auto& st : in.objects.stations) {
    const double x = f.x(st.position);
    xs.push_back(xs.empty() ? x : std::max(x, xs.back() + min_label_gap));
  }
  // Pull back from the right edge, keeping the gap.
  double limit = f.right + 40;
  for (auto it = xs.rbegin(); it != xs.rend(); ++it) {
    *it = std::min(*it, limit);
    limit = *it - min_label_gap;
  }
  return xs;
}

void draw_signal(svg_writer& svg, const signal_mark& sig, double x, double y) {
  path_data d;
  d.move(x, y - 5);
  d.line(x + 4, y + 4);
  d.line(x - 4, y + 4);
  d.close();
  svg.open_tip(
      xml_escape("signal type " + std::to_string(sig.type) + ", " + km_text(sig.position)));
  svg.path(d.str(), sig.type == 2 ? "sig2" : "sig1");
  svg.close("g");
}

void draw_lane_frame(svg_writer& svg, const chart_frame& f, double y, std::string_view name) {
  svg.line(f.left, y, f.right, y, "lane");
  svg.text(f.left - 6, y + 3.5, name, "tick end");
}

}  // namespace

std::string clock_text(std::int32_t seconds) {
  char buffer[32];
  const int h = seconds / 3600 % 100, m = seconds / 60 % 60, s = seconds % 60;
  if (s != 0) {
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", h, m, s);
  } else {
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", h, m);
  }
  return buffer;
}

std::string km_text(double metres) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "km %.3f", metres / 1000.0);
  return buffer;
}

double station_band_height(const plot_input& in) {
  std::size_t longest = 4;
  for (const auto& st : in.objects.stations) {
    longest = std::max(longest, utf8_length(st.name) + (st.time_s > 0 ? 7 : 0));
  }
  return std::clamp(static_cast<double>(longest) * char_width + 30, 60.0, 240.0);
}

void draw_station_band(svg_writer& svg, const plot_input& in, const chart_frame& f) {
  const double base = f.bottom - 8;
  svg.line(f.x(0), base, f.x(f.length_m), base, "diagram");
  svg.text(f.left - 6, base + 3.5, "stations", "tick end");
  const std::vector<double> xs = label_xs(in, f);
  for (std::size_t k = 0; k < in.objects.stations.size(); ++k) {
    const station_mark& st = in.objects.stations[k];
    const double x = f.x(st.position);
    svg.open_tip(station_tip(st));
    if (xs[k] != x) svg.line(x, base - 6, xs[k], base - 16, "leader");
    svg.circle(x, base, st.stops ? 4 : 3, st.stops ? "stn" : "stn pass");
    svg.rotated_text(xs[k] + name_font * 0.36, base - (xs[k] != x ? 20 : 9), -90, station_label(st),
                     st.stops ? "sname" : "sname pass");
    svg.close("g");
  }
}

void draw_station_lines(svg_writer& svg, const plot_input& in, const chart_frame& f) {
  for (const auto& st : in.objects.stations) {
    if (st.position < 0 || st.position > f.length_m) continue;
    svg.line(f.x(st.position), f.top, f.x(st.position), f.bottom,
             st.stops ? "sline" : "sline pass");
  }
}

double lanes_height() {
  return 3 * lane + 4;
}

void draw_object_lanes(svg_writer& svg, const plot_input& in, const chart_frame& f) {
  const double y_tunnel = f.top + lane * 0.5, y_board = f.top + lane * 1.5;
  const double y_signal = f.top + lane * 2.5;
  draw_lane_frame(svg, f, y_tunnel, "tunnels");
  draw_lane_frame(svg, f, y_board, "boards");
  draw_lane_frame(svg, f, y_signal, "signals");
  for (const auto& t : in.objects.tunnels) {
    const double x0 = f.x(t.stretch.start), x1 = f.x(t.stretch.end);
    svg.open_tip(xml_escape(t.caption + ", " + km_text(t.stretch.start) + " to " +
                            km_text(t.stretch.end).substr(3)));
    svg.rect(x0, y_tunnel - 5, std::max(x1 - x0, 2.0), 10, "tunnel");
    svg.close("g");
  }
  for (const auto& b : in.objects.boards) {
    svg.open_tip(xml_escape(b.caption + ", board at " + km_text(b.position)));
    svg.rect(f.x(b.position) - 3, y_board - 3, 6, 6, b.tunnel ? "board tb" : "board");
    svg.close("g");
  }
  for (const auto& sig : in.objects.signals) draw_signal(svg, sig, f.x(sig.position), y_signal);
  for (const auto p : in.objects.slowdown_warnings) {
    svg.open_tip(xml_escape("slowdown warning board, " + km_text(p)));
    svg.rect(f.x(p) - 3, y_signal - 3, 6, 6, "warn");
    svg.close("g");
  }
}

}  // namespace scn::plot
