// Legend of the route plot.
#include "plot/plot_legend.h"

#include <string_view>

#include "plot/plot_input.h"

namespace scn::plot {
namespace {

enum class swatch { line, band, dot, triangle, square, area };

struct legend_item {
  swatch shape;
  std::string_view cls;
  std::string_view label;
};

constexpr legend_item items[] = {
    {swatch::line, "ptrack", "line (plan)"},
    {swatch::dot, "stn", "station with stop"},
    {swatch::dot, "stn pass", "station without stop"},
    {swatch::triangle, "sig1", "signal type 1"},
    {swatch::triangle, "sig2", "signal type 2"},
    {swatch::band, "pslow", "slowdown"},
    {swatch::square, "warn", "slowdown warning board"},
    {swatch::band, "ptunnel", "tunnel"},
    {swatch::square, "board", "text board"},
    {swatch::area, "ground", "height"},
    {swatch::area, "up", "climbing"},
    {swatch::area, "down", "falling"},
    {swatch::area, "right", "right-hand curve"},
    {swatch::area, "left", "left-hand curve"},
    {swatch::line, "speed", "speed limit"},
};

void draw_swatch(svg_writer& svg, const legend_item& item, double x, double y) {
  switch (item.shape) {
    case swatch::line:
    case swatch::band:
      svg.line(x, y, x + 22, y, item.cls);
      break;
    case swatch::dot:
      svg.circle(x + 11, y, 4, item.cls);
      break;
    case swatch::triangle: {
      path_data d;
      d.move(x + 11, y - 5);
      d.line(x + 15, y + 4);
      d.line(x + 7, y + 4);
      d.close();
      svg.path(d.str(), item.cls);
      break;
    }
    case swatch::square:
      svg.rect(x + 8, y - 3, 6, 6, item.cls);
      break;
    case swatch::area:
      svg.rect(x, y - 6, 22, 12, item.cls);
      break;
  }
}

}  // namespace

double draw_plot_legend(svg_writer& svg, double top) {
  const double row = 22;
  const double start = plot_page::margin + 14;
  double x = start, y = top + 16;
  for (const legend_item& item : items) {
    const double w = 34 + static_cast<double>(item.label.size()) * 6.4 + 22;
    if (x + w > plot_page::width - plot_page::margin) x = start, y += row;
    draw_swatch(svg, item, x, y);
    svg.text(x + 30, y + 4, item.label, "legend");
    x += w;
  }
  return y + row - 6;
}

}  // namespace scn::plot
