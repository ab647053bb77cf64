#include "ui/toolkit/win32/native.h"

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

NativeForm::~NativeForm() {
  if (window != nullptr && IsWindow(window)) DestroyWindow(window);
  if (background != nullptr) DeleteObject(background);
}

NativeControl::~NativeControl() {
  if (groundBrush != nullptr) DeleteObject(groundBrush);
}

void NativeDeleter::operator()(NativeForm* form) const {
  delete form;
}

void NativeDeleter::operator()(NativeControl* control) const {
  delete control;
}

HWND windowOf(const FormRecord& form) {
  return form.native && form.native->window != nullptr && IsWindow(form.native->window) ? form.native->window
                                                                                         : nullptr;
}

HWND windowOf(const ControlRecord& control) {
  return control.native && control.native->window != nullptr && IsWindow(control.native->window)
             ? control.native->window
             : nullptr;
}

HWND controlWindow(std::string_view form, int32_t id) {
  FormRecord* record = findForm(form);
  if (record == nullptr) return nullptr;
  if (id == 0) return windowOf(*record);
  ControlRecord* control = record->control(id);
  return control != nullptr ? windowOf(*control) : nullptr;
}

FormRecord* formOf(HWND window) {
  if (window == nullptr) return nullptr;
  HWND root = GetAncestor(window, GA_ROOT);
  for (const auto& form : toolkit().forms) {
    if (form->alive && form->native && form->native->window == root) return form.get();
  }
  return nullptr;
}

ControlRecord* controlOf(const FormRecord& form, HWND window) {
  HWND top = windowOf(form);
  for (HWND w = window; w != nullptr && w != top; w = GetAncestor(w, GA_PARENT)) {
    for (const auto& record : form.controls) {
      if (record->native && record->native->window == w) return record.get();
    }
  }
  return nullptr;
}

ATOM registerWindowClass(const wchar_t* name, WNDPROC procedure, const wchar_t* cursor, UINT style) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.style = style;
  type.lpfnWndProc = procedure;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  if (type.hIcon == nullptr) type.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  type.hCursor = LoadCursorW(nullptr, cursor);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = name;
  return RegisterClassExW(&type);
}

HFONT messageFont() {
  static const HFONT font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
  }();
  return font;
}

COLORREF colourRef(Rgb colour) {
  return RGB(colour.r, colour.g, colour.b);
}

Rgb rgbOf(COLORREF colour) {
  return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

Rect innerArea(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return Rect{origin.x, origin.y, client.right - client.left, client.bottom - client.top};
}

QuietChange::QuietChange(ControlRecord& control) : native_(*control.native), was_(native_.quiet) {
  native_.quiet = true;
}

QuietChange::~QuietChange() {
  native_.quiet = was_;
}

int& monitorDotsPerInch() {
  static int dotsPerInch = 0;
  return dotsPerInch;
}

double screenDotsPerInch() {
  if (monitorDotsPerInch() > 0) return monitorDotsPerInch();
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 0;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

bool hasWindow(const FormRecord& form) {
  return windowOf(form) != nullptr;
}

void closeWhenIdle(FormRecord& form) {
  if (HWND window = windowOf(form)) PostMessageW(window, WM_CLOSE, 0, 0);
}

std::optional<Rect> shownArea(const ControlRecord& control) {
  HWND window = windowOf(control);
  if (window == nullptr) return std::nullopt;
  RECT area{};
  GetWindowRect(window, &area);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
  return Rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
}

std::optional<std::string> shownText(const ControlRecord& control) {
  HWND window = windowOf(control);
  if (window == nullptr || control.kind != ControlKind::Label) return std::nullopt;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return cp1252FromWide(text);
}

}  // namespace ui::toolkit
