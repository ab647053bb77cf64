#include "ui/toolkit/forms.h"

#include <algorithm>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/geometry.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/win32/form_window.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

bool hasProperty(std::string_view properties, char letter) {
  return properties.find(letter) != std::string_view::npos;
}

DWORD formStyle(std::string_view properties) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  if (!hasProperty(properties, 'K')) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  return style;
}

// The frame around an inner area at `inner`.
Rect frameAround(HWND window, const Rect& inner) {
  RECT frame{inner.x, inner.y, inner.x + inner.width, inner.y + inner.height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return Rect{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

void placeInner(HWND window, const Rect& inner) {
  const Rect frame = frameAround(window, inner);
  SetWindowPos(window, nullptr, frame.x, frame.y, frame.width, frame.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The part of the screen a window may take: its monitor's work area.
Rect screenArea(HWND window) {
  if (const std::optional<Rect>& area = toolkit().screenArea) return *area;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return Rect{};
  const RECT& work = monitor.rcWork;
  return Rect{work.left, work.top, work.right - work.left, work.bottom - work.top};
}

// The program reads where the window ended up with EZ_GETPOS.
void keepOnScreen(HWND window) {
  const Rect inner = innerArea(window);
  const Rect placed = keptOnScreen(WindowPlace{inner, frameAround(window, inner)}, screenArea(window));
  if (placed != inner) placeInner(window, placed);
}

void centreWindow(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const Rect area = screenArea(window);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void EZ_FORM(std::string_view name, std::string_view parent, std::string_view caption, double column,
             double row, double width, double height, std::string_view properties, int32_t,
             int32_t backColour) {
  prepareSession();
  FormRecord& form = addForm(name, properties);
  HWND owner = nullptr;
  if (FormRecord* ownerForm = parent.empty() ? nullptr : findForm(parent)) owner = windowOf(*ownerForm);
  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, formClassName(), wideFrom1252(caption).c_str(),
                                formStyle(properties), CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  form.native.reset(new NativeForm);
  form.native->window = window;
  if (window == nullptr) return;
  if (std::optional<Rgb> back = paletteColour(backColour)) form.native->background = CreateSolidBrush(colourRef(*back));
  placeInner(window, pixelRect(column, row, width, height));
  if (hasProperty(properties, 'C')) centreWindow(window);

  const uint64_t serial = form.serial;
  if (!designForm(form)) return;
  FormRecord* shown = findForm(serial);
  if (shown == nullptr || windowOf(*shown) == nullptr) return;
  ShowWindow(window, SW_SHOW);
  if (shown->native->lastFocus == nullptr) {
    // The first control Tab stops at takes the keyboard.
    HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    if (first != nullptr) {
      shown->native->lastFocus = first;
      SetFocus(first);
    }
  } else {
    SetFocus(shown->native->lastFocus);
  }
  PostMessageW(window, kStartedMessage, 0, 0);
}

void hideAndDestroyLater(FormRecord& form) {
  if (HWND window = windowOf(form)) {
    ShowWindow(window, SW_HIDE);
    PostMessageW(window, kDestroyMessage, 0, 0);
  }
}

void endGuiLoop(int32_t code) {
  PostQuitMessage(code);
}

void showControl(ControlRecord& control, bool shown) {
  if (HWND window = windowOf(control)) ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}

void EZ_RESIZEFORM(std::string_view form, double column, double row, double width, double height, int32_t) {
  FormRecord* record = findForm(form);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return;
  placeInner(window, pixelRect(column, row, width, height));
  keepOnScreen(window);
}

void EZ_GETPOS(std::string_view form, int32_t id, double& column, double& row, double& width,
               double& height) {
  column = row = width = height = 0;
  FormRecord* record = findForm(form);
  if (record == nullptr || windowOf(*record) == nullptr) return;
  Rect area;
  if (id == 0) {
    area = innerArea(windowOf(*record));
  } else if (ControlRecord* control = record->control(id)) {
    std::optional<Rect> shown = shownArea(*control);
    if (!shown) return;
    area = *shown;
  } else {
    return;
  }
  column = columnsFromPixels(area.x);
  row = rowsFromPixels(area.y);
  width = columnsFromPixels(area.width);
  height = rowsFromPixels(area.height);
}

intptr_t EZ_HANDLE(std::string_view form, int32_t id) {
  return reinterpret_cast<intptr_t>(controlWindow(form, id));
}

void SetForegroundWindow(intptr_t handle) {
  for (const auto& form : toolkit().forms) {
    HWND window = windowOf(*form);
    if (!form->alive || window == nullptr || reinterpret_cast<intptr_t>(window) != handle) continue;
    ::SetForegroundWindow(window);
    return;
  }
}

}  // namespace ui::toolkit
