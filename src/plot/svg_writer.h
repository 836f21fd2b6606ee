// A small writer of SVG markup: numbers, elements, groups and tooltips.
#pragma once

#include <string>
#include <string_view>

namespace scn::plot {

// A coordinate or length with at most one decimal, no trailing zeros and no
// "-0"; a value that is not finite is written as 0.
std::string num(double v);

// Appends SVG elements to one string. Texts handed to it must already be
// escaped (see svg_text.h); class names select the style sheet's rules.
class svg_writer {
 public:
  void raw(std::string_view markup) { out_ += markup; }
  void open(std::string_view tag, std::string_view attrs = {});
  void close(std::string_view tag);
  // A group whose tooltip is `escaped_title`; close it with close("g").
  void open_tip(std::string_view escaped_title, std::string_view attrs = {});

  void line(double x1, double y1, double x2, double y2, std::string_view cls);
  void rect(double x, double y, double w, double h, std::string_view cls);
  void circle(double cx, double cy, double r, std::string_view cls);
  void path(std::string_view d, std::string_view cls);
  void text(double x, double y, std::string_view escaped, std::string_view cls,
            std::string_view attrs = {});
  // Text rotated by `degrees` about its anchor point.
  void rotated_text(double x, double y, double degrees, std::string_view escaped,
                    std::string_view cls);

  const std::string& str() const { return out_; }

 private:
  std::string out_;
};

// Builds the `d` attribute of a path.
class path_data {
 public:
  void move(double x, double y);
  void line(double x, double y);
  void horizontal(double x);
  void vertical(double y);
  void close() { d_ += 'Z'; }
  bool empty() const { return d_.empty(); }
  const std::string& str() const { return d_; }

 private:
  std::string d_;
};

}  // namespace scn::plot
