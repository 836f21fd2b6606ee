// PNG rendering through librsvg and cairo, where the build has them.
#include "plot/png_render.h"

#ifdef SCENARIO_HAVE_RSVG
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>
#endif

namespace scn::plot {

#ifdef SCENARIO_HAVE_RSVG

namespace {

struct gobject_unref {
  void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct surface_destroy {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct context_destroy {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string take_message(GError* error) {
  std::string message = error != nullptr ? error->message : "unknown failure";
  if (error != nullptr) g_error_free(error);
  return message;
}

}  // namespace

bool png_rendering_available() {
  return true;
}

std::optional<std::string> render_png(const std::string& svg, std::string& why) {
  GError* error = nullptr;
  std::unique_ptr<RsvgHandle, gobject_unref> handle(rsvg_handle_new_from_data(
      reinterpret_cast<const guint8*>(svg.data()), static_cast<gsize>(svg.size()), &error));
  if (!handle) {
    why = "the picture could not be read for rendering: " + take_message(error);
    return std::nullopt;
  }
  gdouble width = 0;
  gdouble height = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &width, &height)) {
    why = "the picture has no size in pixels";
    return std::nullopt;
  }
  const int w = static_cast<int>(std::ceil(width));
  const int h = static_cast<int>(std::ceil(height));
  std::unique_ptr<cairo_surface_t, surface_destroy> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  std::unique_ptr<cairo_t, context_destroy> cr(cairo_create(surface.get()));
  const RsvgRectangle viewport{0, 0, static_cast<double>(w), static_cast<double>(h)};
  if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &error)) {
    why = "rendering failed: " + take_message(error);
    return std::nullopt;
  }
  std::string png;
  if (cairo_surface_write_to_png_stream(surface.get(), append_bytes, &png) !=
      CAIRO_STATUS_SUCCESS) {
    why = "the PNG could not be encoded";
    return std::nullopt;
  }
  return png;
}

// fontconfig, under the renderer, keeps its font cache until the process
// ends; a leak check at exit would report it on every PNG written.
#if defined(__SANITIZE_ADDRESS__)
#define SCENARIO_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCENARIO_LEAK_CHECKED 1
#endif
#endif
#ifdef SCENARIO_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

#else

bool png_rendering_available() {
  return false;
}

std::optional<std::string> render_png(const std::string&, std::string& why) {
  why = "this build cannot write PNG (no SVG renderer); write .svg instead";
  return std::nullopt;
}

#endif

}  // namespace scn::plot
