// SVG markup helpers for the route plot.
#include "plot/svg_writer.h"

#include <charconv>
#include <cmath>

namespace scn::plot {

// One decimal, correctly rounded (what "%.1f" prints), without a ".0".
std::string num(double v) {
  if (!std::isfinite(v)) return "0";
  const double rounded = std::nearbyint(v * 10.0) / 10.0;
  char buffer[400];  // room for the largest double in fixed notation
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0.0 ? 0.0 : rounded,
                               std::chars_format::fixed, 1);
  std::size_t n = static_cast<std::size_t>(r.ptr - buffer);
  if (n > 2 && buffer[n - 2] == '.' && buffer[n - 1] == '0') n -= 2;
  return std::string(buffer, n);
}

void svg_writer::open(std::string_view tag, std::string_view attrs) {
  out_ += '<';
  out_ += tag;
  if (!attrs.empty()) {
    out_ += ' ';
    out_ += attrs;
  }
  out_ += ">\n";
}

void svg_writer::close(std::string_view tag) {
  out_ += "</";
  out_ += tag;
  out_ += ">\n";
}

void svg_writer::open_tip(std::string_view escaped_title, std::string_view attrs) {
  open("g", attrs);
  out_ += "<title>";
  out_ += escaped_title;
  out_ += "</title>\n";
}

void svg_writer::line(double x1, double y1, double x2, double y2, std::string_view cls) {
  out_ += "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" +
          num(y2) + "\" class=\"";
  out_ += cls;
  out_ += "\"/>\n";
}

void svg_writer::rect(double x, double y, double w, double h, std::string_view cls) {
  out_ += "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) + "\" height=\"" +
          num(h) + "\" class=\"";
  out_ += cls;
  out_ += "\"/>\n";
}

void svg_writer::circle(double cx, double cy, double r, std::string_view cls) {
  out_ += "<circle cx=\"" + num(cx) + "\" cy=\"" + num(cy) + "\" r=\"" + num(r) + "\" class=\"";
  out_ += cls;
  out_ += "\"/>\n";
}

void svg_writer::path(std::string_view d, std::string_view cls) {
  if (d.empty()) return;
  out_ += "<path d=\"";
  out_ += d;
  out_ += "\" class=\"";
  out_ += cls;
  out_ += "\"/>\n";
}

void svg_writer::text(double x, double y, std::string_view escaped, std::string_view cls,
                      std::string_view attrs) {
  out_ += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" class=\"";
  out_ += cls;
  out_ += '"';
  if (!attrs.empty()) {
    out_ += ' ';
    out_ += attrs;
  }
  out_ += '>';
  out_ += escaped;
  out_ += "</text>\n";
}

void svg_writer::rotated_text(double x, double y, double degrees, std::string_view escaped,
                              std::string_view cls) {
  const std::string turn =
      "transform=\"rotate(" + num(degrees) + " " + num(x) + " " + num(y) + ")\"";
  text(x, y, escaped, cls, turn);
}

void path_data::move(double x, double y) {
  d_ += 'M' + num(x) + ' ' + num(y);
}

void path_data::line(double x, double y) {
  d_ += 'L' + num(x) + ' ' + num(y);
}

void path_data::horizontal(double x) {
  d_ += 'H' + num(x);
}

void path_data::vertical(double y) {
  d_ += 'V' + num(y);
}

}  // namespace scn::plot
