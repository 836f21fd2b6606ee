// The Win32 layer: the wait window Form1 with its label, the message box of
// the fatal report, and the program directory of the running module. All
// text goes through the ANSI entry points, so names and messages keep their
// Windows-1252 bytes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/form1_layout.h"
#include "platform/platform.h"
#include "platform/platform_error.h"
#include "platform/run_ended.h"

namespace scn {

namespace {

constexpr const char* form_class_name = "Form1";

// Faces tried in order for Label1: the stored face, then its scalable
// successor and a common sans-serif face, standing in for it where it is
// missing or only installed as a raster font of other sizes.
constexpr const char* label_faces[] = {form1::label_font_face, "Microsoft Sans Serif", "Arial"};

// Test hook: when set to a number of milliseconds (at most a minute), the
// wait window stays on the screen that long after its one painting before
// the work starts, so that it can be photographed. Unset, there is no delay.
constexpr const char* hold_variable = "SCENARIO_WAIT_WINDOW_HOLD_MS";
constexpr unsigned long longest_hold_ms = 60000;

std::string module_path() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string last_error_text() {
  const DWORD code = GetLastError();
  char buffer[512] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return "error " + std::to_string(code) + (text.empty() ? "" : ": " + text);
}

// A failure to create or show the window ends the run like any other
// failure nothing handles: a report on standard error and exit status 1.
[[noreturn]] void window_failure(const char* what) {
  std::fprintf(stderr, "scenario: cannot %s: %s\n", what, last_error_text().c_str());
  throw run_ended{1};
}

// What the enumeration of one face looks for: a scalable font, or a raster
// font drawn at exactly the wanted character height. A raster font at other
// sizes would only be blown up, so it counts as missing.
struct face_query {
  int char_height;
  bool fits;
};

int CALLBACK note_face_size(const LOGFONTA*, const TEXTMETRICA* metrics, DWORD type, LPARAM data) {
  auto* query = reinterpret_cast<face_query*>(data);
  const bool raster = (type & RASTER_FONTTYPE) != 0;
  if (!raster || metrics->tmHeight - metrics->tmInternalLeading == query->char_height)
    query->fits = true;
  return query->fits ? 0 : 1;
}

bool face_fits(HDC dc, const char* face, int char_height) {
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
  face_query query{char_height, false};
  EnumFontFamiliesExA(dc, &wanted, note_face_size, reinterpret_cast<LPARAM>(&query), 0);
  return query.fits;
}

// The first face of label_faces installed at the label's size; when none
// is, no name, so that the font mapper picks a scalable sans-serif face from
// the family the font asks for.
const char* label_face(HDC dc, int char_height) {
  for (const char* face : label_faces)
    if (face_fits(dc, face, char_height)) return face;
  return "";
}

HFONT create_label_font(HDC dc, int dpi) {
  const int char_height = form1::points_to_pixels(form1::label_font_points, dpi);
  const char* face = label_face(dc, char_height);
  LOGFONTA font{};
  font.lfHeight = -char_height;
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  // Without a face name, outline fonts only: a raster one would be blown up.
  font.lfOutPrecision = face[0] != '\0' ? OUT_DEFAULT_PRECIS : OUT_OUTLINE_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

void register_form_class(HINSTANCE instance) {
  WNDCLASSA form{};
  form.lpfnWndProc = DefWindowProcA;
  form.hInstance = instance;
  form.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = form_class_name;
  if (RegisterClassA(&form) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    window_failure("register the wait window class");
}

// Resolution of the screen, horizontally and vertically, in dots per inch.
struct screen_dpi {
  int x;
  int y;
};

// Window rectangle whose client area is the stored one, with an ordinary
// title bar and sizing border around it.
SIZE form_outer_size(screen_dpi dpi) {
  RECT r{0, 0, form1::twips_to_pixels(form1::client_width, dpi.x),
         form1::twips_to_pixels(form1::client_height, dpi.y)};
  AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

unsigned long hold_milliseconds() {
  const char* text = std::getenv(hold_variable);
  if (text == nullptr) return 0;
  const unsigned long ms = std::strtoul(text, nullptr, 10);
  return ms < longest_hold_ms ? ms : longest_hold_ms;
}

class screen_dc {
 public:
  screen_dc() : dc_(GetDC(nullptr)) {}
  ~screen_dc() { ReleaseDC(nullptr, dc_); }
  screen_dc(const screen_dc&) = delete;
  screen_dc& operator=(const screen_dc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class win32_platform final : public platform {
 public:
  win32_platform() : path_(module_path()) {}
  ~win32_platform() override;
  win32_platform(const win32_platform&) = delete;
  win32_platform& operator=(const win32_platform&) = delete;

  void show_wait_window() override;
  void show_message(const std::string& text) override {
    MessageBoxA(form_, text.c_str(), form1::module_title(path_).c_str(), MB_OK);
  }
  std::string program_directory() override {
    if (path_.empty()) {
      throw platform_error("cannot find the program's directory: " + last_error_text());
    }
    return form1::module_directory(path_);
  }
  char path_separator() const override { return '\\'; }

 private:
  void create_form(HINSTANCE instance, screen_dpi dpi);
  void create_label(HINSTANCE instance, HDC dc, screen_dpi dpi);
  void paint_once();

  std::string path_;
  HWND form_ = nullptr;
  HWND label_ = nullptr;
  HFONT font_ = nullptr;
};

win32_platform::~win32_platform() {
  if (form_ != nullptr) DestroyWindow(form_);
  if (font_ != nullptr) DeleteObject(font_);
}

void win32_platform::show_wait_window() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  screen_dc dc;
  const screen_dpi dpi{GetDeviceCaps(dc.get(), LOGPIXELSX), GetDeviceCaps(dc.get(), LOGPIXELSY)};
  register_form_class(instance);
  create_form(instance, dpi);
  create_label(instance, dc.get(), dpi);
  paint_once();
  if (const unsigned long ms = hold_milliseconds(); ms > 0) Sleep(ms);
}

void win32_platform::create_form(HINSTANCE instance, screen_dpi dpi) {
  const SIZE outer = form_outer_size(dpi);
  const std::string title = form1::module_title(path_);
  form_ = CreateWindowExA(0, form_class_name, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, nullptr);
  if (form_ == nullptr) window_failure("create the wait window");
}

void win32_platform::create_label(HINSTANCE instance, HDC dc, screen_dpi dpi) {
  using form1::twips_to_pixels;
  label_ = CreateWindowExA(
      0, "STATIC", form1::label_caption, WS_CHILD | WS_VISIBLE | SS_LEFT,
      twips_to_pixels(form1::label_left, dpi.x), twips_to_pixels(form1::label_top, dpi.y),
      twips_to_pixels(form1::label_width, dpi.x), twips_to_pixels(form1::label_height, dpi.y),
      form_, nullptr, instance, nullptr);
  if (label_ == nullptr) window_failure("create the wait window's label");
  font_ = create_label_font(dc, dpi.y);
  if (font_ != nullptr) SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

// Shows the window and paints it and its label now; the window is not
// serviced afterwards, so this is the only painting it gets.
void win32_platform::paint_once() {
  ShowWindow(form_, SW_SHOWNORMAL);
  if (!UpdateWindow(form_) || !UpdateWindow(label_)) window_failure("paint the wait window");
  GdiFlush();
}

}  // namespace

std::unique_ptr<platform> make_platform() {
  return std::make_unique<win32_platform>();
}

}  // namespace scn
