// Assembly of the route plot: title, plan panel, profile panel and legend.
#include "plot/plot_svg.h"

#include <cstdio>

#include "plot/plan_view.h"
#include "plot/plot_input.h"
#include "plot/plot_legend.h"
#include "plot/plot_style.h"
#include "plot/profile_view.h"
#include "plot/svg_text.h"
#include "plot/svg_writer.h"

namespace scn::plot {
namespace {

std::string identity(const std::string& row_text, const std::string& fallback) {
  return collapse_blanks(cp1252_to_xml_utf8(row_text.empty() ? fallback : row_text));
}

std::string count_of(std::size_t n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string summary(const plot_input& in) {
  char length[32];
  std::snprintf(length, sizeof length, "%.1f km", in.length_m / 1000.0);
  const route_objects& o = in.objects;
  const std::string dot = "  \xC2\xB7  ";
  return std::string(length) + dot + count_of(o.stations.size(), "station", "stations") + dot +
         count_of(o.signals.size(), "signal", "signals") + dot +
         count_of(o.slowdowns.size(), "slowdown", "slowdowns") + dot +
         count_of(o.boards.size(), "text board", "text boards") + dot +
         count_of(o.tunnels.size(), "tunnel", "tunnels");
}

double draw_title(svg_writer& svg, const plot_input& in) {
  const scenario& s = in.model;
  const std::string line = identity(s.items[line_row].text, s.line_name);
  const std::string train = identity(s.items[train_row].text, s.train_number);
  svg.text(plot_page::margin, 38, xml_escape(line) + "  \xE2\x80\x94  train " + xml_escape(train),
           "title");
  double y = 60;
  svg.text(plot_page::margin, y, xml_escape(summary(in)), "sub");
  if (s.status_code != 0) {
    y += 20;
    svg.text(plot_page::margin, y,
             "compiled with status " + std::to_string(s.status_code) + " at " +
                 std::to_string(s.status_position) + " m: the model may be incomplete",
             "status");
  }
  return y + 14;
}

std::string document(const std::string& body, double height) {
  const std::string w = num(plot_page::width), h = num(height);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\">\n<style>";
  out += plot_style_sheet();
  out += "</style>\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  out += body;
  out += "</svg>\n";
  return out;
}

}  // namespace

std::string render_plot_svg(const scenario& s) {
  const double length = has_cells(s) ? drawn_length(s) : 0;
  const plot_input in{s, length, collect_route_objects(s), build_route_profiles(s, length)};
  svg_writer svg;
  double y = draw_title(svg, in);
  if (length <= 0) {
    svg.text(plot_page::margin, y + 20,
             "The model holds no track: the line length was never read, so there is nothing "
             "to draw.",
             "note");
    return document(svg.str(), y + 44);
  }
  y = draw_plan_view(svg, in, y) + 12;
  y = draw_profile_view(svg, in, y) + 6;
  y = draw_plot_legend(svg, y);
  return document(svg.str(), y + plot_page::margin);
}

}  // namespace scn::plot
