// The stored look of the wait window Form1 and the unit conversions that
// turn it into device pixels, plus the naming helpers the Win32 layer derives
// from the running module's path. Kept free of any system header so that the
// arithmetic is checked on every host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scn::form1 {

inline constexpr std::int32_t twips_per_inch = 1440;
inline constexpr std::int32_t points_per_inch = 72;

// Client area of the window, in twips.
inline constexpr std::int32_t client_width = 4200;
inline constexpr std::int32_t client_height = 2688;

// Label1: caption, placement in twips and font.
inline constexpr const char* label_caption = "Attendere";
inline constexpr std::int32_t label_left = 960;
inline constexpr std::int32_t label_top = 960;
inline constexpr std::int32_t label_width = 2652;
inline constexpr std::int32_t label_height = 792;
inline constexpr const char* label_font_face = "MS Sans Serif";
inline constexpr std::int32_t label_font_points = 24;

// value * numerator / denominator for non-negative values, rounded to the
// nearest integer with ties going to the even neighbour.
constexpr std::int32_t scale_rounded(std::int32_t value, std::int32_t numerator,
                                     std::int32_t denominator) {
  const std::int64_t product = std::int64_t{value} * numerator;
  const std::int64_t quotient = product / denominator;
  const std::int64_t twice_rest = (product % denominator) * 2;
  const bool round_up =
      twice_rest > denominator || (twice_rest == denominator && quotient % 2 != 0);
  return static_cast<std::int32_t>(round_up ? quotient + 1 : quotient);
}

// Twips to device pixels at the given dots per inch.
constexpr std::int32_t twips_to_pixels(std::int32_t twips, std::int32_t dpi) {
  return scale_rounded(twips, dpi, twips_per_inch);
}

// Character height in pixels of a font of the given size in points; the
// Win32 layer passes it negated, which asks for the character height rather
// than the cell height.
constexpr std::int32_t points_to_pixels(std::int32_t points, std::int32_t dpi) {
  return scale_rounded(points, dpi, points_per_inch);
}

// Directory part of a module path: everything before the last separator
// ('\' or '/'); a separator directly after a drive ("C:\") or at the very
// start is kept, as the root of a drive keeps it.
inline std::string module_directory(std::string_view path) {
  const auto sep = path.find_last_of("\\/");
  if (sep == std::string_view::npos) return ".";
  const bool root = sep == 0 || (sep == 2 && path[1] == ':');
  return std::string(path.substr(0, root ? sep + 1 : sep));
}

// The program's default title: the module's file name without its extension.
inline std::string module_title(std::string_view path) {
  const auto sep = path.find_last_of("\\/");
  std::string_view name = sep == std::string_view::npos ? path : path.substr(sep + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::string(name);
}

}  // namespace scn::form1
