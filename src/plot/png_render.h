// Raster output of the route plot: the SVG picture rendered as PNG bytes.
#pragma once

#include <optional>
#include <string>

namespace scn::plot {

// Whether this build can render PNG at all.
bool png_rendering_available();

// The PNG bytes of the SVG picture at its own size, or nothing with the
// reason in `why` (no renderer in this build, or the renderer failed).
std::optional<std::string> render_png(const std::string& svg, std::string& why);

}  // namespace scn::plot
