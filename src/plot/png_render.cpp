// PNG rendering through librsvg and cairo, where the build has them. The
// library (and the cairo, GLib and font libraries under it) is loaded when
// the first PNG is rendered, not when the program starts: loading it costs
// more than a whole compile, which never draws.
#include "plot/png_render.h"

#ifdef SCENARIO_HAVE_RSVG
#include <cairo.h>
#include <dlfcn.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>
#endif

namespace scn::plot {

#ifdef SCENARIO_HAVE_RSVG

namespace {

// The functions the renderer uses, from the loaded library (its own and
// those of the libraries it depends on).
struct renderer {
  decltype(&rsvg_handle_new_from_data) new_from_data = nullptr;
  decltype(&rsvg_handle_get_intrinsic_size_in_pixels) size_in_pixels = nullptr;
  decltype(&rsvg_handle_render_document) render_document = nullptr;
  decltype(&g_object_unref) object_unref = nullptr;
  decltype(&g_error_free) error_free = nullptr;
  decltype(&cairo_image_surface_create) image_surface_create = nullptr;
  decltype(&cairo_create) create = nullptr;
  decltype(&cairo_destroy) destroy = nullptr;
  decltype(&cairo_surface_destroy) surface_destroy = nullptr;
  decltype(&cairo_surface_write_to_png_stream) write_to_png_stream = nullptr;
};

template <typename Function>
bool take(void* library, const char* name, Function& f) {
  f = reinterpret_cast<Function>(::dlsym(library, name));
  return f != nullptr;
}

// Loads the library once; null when it or one of its functions is missing.
// The library stays loaded until the process ends.
const renderer* loaded_renderer() {
  static const renderer* const loaded = []() -> const renderer* {
    void* const library = ::dlopen("librsvg-2.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static renderer r;
    const bool complete =
        take(library, "rsvg_handle_new_from_data", r.new_from_data) &&
        take(library, "rsvg_handle_get_intrinsic_size_in_pixels", r.size_in_pixels) &&
        take(library, "rsvg_handle_render_document", r.render_document) &&
        take(library, "g_object_unref", r.object_unref) &&
        take(library, "g_error_free", r.error_free) &&
        take(library, "cairo_image_surface_create", r.image_surface_create) &&
        take(library, "cairo_create", r.create) && take(library, "cairo_destroy", r.destroy) &&
        take(library, "cairo_surface_destroy", r.surface_destroy) &&
        take(library, "cairo_surface_write_to_png_stream", r.write_to_png_stream);
    return complete ? &r : nullptr;
  }();
  return loaded;
}

struct gobject_unref {
  void operator()(RsvgHandle* h) const { loaded_renderer()->object_unref(h); }
};
struct surface_destroy {
  void operator()(cairo_surface_t* s) const { loaded_renderer()->surface_destroy(s); }
};
struct context_destroy {
  void operator()(cairo_t* c) const { loaded_renderer()->destroy(c); }
};

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string take_message(GError* error) {
  std::string message = error != nullptr ? error->message : "unknown failure";
  if (error != nullptr) loaded_renderer()->error_free(error);
  return message;
}

}  // namespace

bool png_rendering_available() {
  return loaded_renderer() != nullptr;
}

std::optional<std::string> render_png(const std::string& svg, std::string& why) {
  const renderer* const r = loaded_renderer();
  if (r == nullptr) {
    why = "the SVG renderer (librsvg-2.so.2) could not be loaded; write .svg instead";
    return std::nullopt;
  }
  GError* error = nullptr;
  std::unique_ptr<RsvgHandle, gobject_unref> handle(r->new_from_data(
      reinterpret_cast<const guint8*>(svg.data()), static_cast<gsize>(svg.size()), &error));
  if (!handle) {
    why = "the picture could not be read for rendering: " + take_message(error);
    return std::nullopt;
  }
  gdouble width = 0;
  gdouble height = 0;
  if (!r->size_in_pixels(handle.get(), &width, &height)) {
    why = "the picture has no size in pixels";
    return std::nullopt;
  }
  const int w = static_cast<int>(std::ceil(width));
  const int h = static_cast<int>(std::ceil(height));
  std::unique_ptr<cairo_surface_t, surface_destroy> surface(
      r->image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  std::unique_ptr<cairo_t, context_destroy> cr(r->create(surface.get()));
  const RsvgRectangle viewport{0, 0, static_cast<double>(w), static_cast<double>(h)};
  if (!r->render_document(handle.get(), cr.get(), &viewport, &error)) {
    why = "rendering failed: " + take_message(error);
    return std::nullopt;
  }
  std::string png;
  if (r->write_to_png_stream(surface.get(), append_bytes, &png) != CAIRO_STATUS_SUCCESS) {
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
