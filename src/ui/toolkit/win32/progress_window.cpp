#include "ui/toolkit/progress_window.h"

#include <algorithm>

#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

// The bar counts in thousandths, so that counts beyond what a bar holds still move it.
constexpr int kBarSteps = 1000;
constexpr int kWidth = 380;
constexpr int kHeight = 76;
constexpr wchar_t kProgressClass[] = L"ZorWizardProgress";

struct ProgressWindow {
  HWND window = nullptr;
  HWND label = nullptr;
  HWND bar = nullptr;
  bool busy = false;
  ProgressWindowState state;
};

ProgressWindow& progressWindow() {
  static ProgressWindow current;
  return current;
}

// The window the progress is shown over: the one the user works in, else the first form that is up.
HWND ownerWindow() {
  for (const auto& form : toolkit().forms) {
    HWND window = windowOf(*form);
    if (form->alive && window != nullptr && IsWindowVisible(window)) {
      HWND active = GetActiveWindow();
      return active != nullptr && formOf(active) != nullptr ? active : window;
    }
  }
  return nullptr;
}

LRESULT CALLBACK progressProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) return 0;  // it goes when the work is done
  return DefWindowProcW(window, message, wParam, lParam);
}

void build(ProgressWindow& current) {
  static const ATOM registered = registerWindowClass(kProgressClass, progressProcedure, IDC_WAIT);
  (void)registered;
  const DWORD style = WS_POPUP | WS_CAPTION;
  RECT frame{0, 0, kWidth, kHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  current.window = CreateWindowExW(WS_EX_DLGMODALFRAME, kProgressClass, L"Please wait", style, 0, 0,
                                   frame.right - frame.left, frame.bottom - frame.top, ownerWindow(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  current.label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 12, 10,
                                  kWidth - 24, 22, current.window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(current.label, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont()), FALSE);
  current.bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 12, 40, kWidth - 24, 22,
                                current.window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(current.bar, PBM_SETRANGE32, 0, kBarSteps);
}

// Over the middle of its owner, or of the screen before there is one.
void centre(ProgressWindow& current) {
  RECT over{};
  HWND owner = ownerWindow();
  if (owner != nullptr) {
    GetWindowRect(owner, &over);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  }
  RECT frame{};
  GetWindowRect(current.window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(current.window, HWND_TOP, over.left + (over.right - over.left - width) / 2,
               over.top + (over.bottom - over.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void setBusy(ProgressWindow& current, bool busy) {
  if (current.busy == busy) return;
  current.busy = busy;
  LONG_PTR style = GetWindowLongPtrW(current.bar, GWL_STYLE);
  SetWindowLongPtrW(current.bar, GWL_STYLE, busy ? (style | PBS_MARQUEE) : (style & ~static_cast<LONG_PTR>(PBS_MARQUEE)));
  SendMessageW(current.bar, PBM_SETMARQUEE, busy ? TRUE : FALSE, 0);
}

}  // namespace

void showProgressWindow(std::string_view text, int64_t done, int64_t total) {
  ProgressWindow& current = progressWindow();
  if (current.window == nullptr || !IsWindow(current.window)) build(current);
  if (current.window == nullptr) return;
  SetWindowTextW(current.label, wideFrom1252(text).c_str());
  setBusy(current, total <= 0);
  if (total > 0) {
    SendMessageW(current.bar, PBM_SETPOS, static_cast<WPARAM>(std::clamp<int64_t>(done * kBarSteps / total, 0, kBarSteps)), 0);
  }
  if (!IsWindowVisible(current.window)) {
    centre(current);
    ShowWindow(current.window, SW_SHOWNOACTIVATE);
    ++current.state.shownTimes;
  }
  UpdateWindow(current.window);
  current.state.visible = true;
  current.state.text = std::string(text);
  current.state.done = done;
  current.state.total = total;
}

void hideProgressWindow() {
  ProgressWindow& current = progressWindow();
  if (current.window != nullptr && IsWindow(current.window)) ShowWindow(current.window, SW_HIDE);
  current.state.visible = false;
}

void discardProgressWindow() {
  ProgressWindow& current = progressWindow();
  if (current.window != nullptr && IsWindow(current.window)) DestroyWindow(current.window);
  current.window = nullptr;
  current.state.visible = false;
}

ProgressWindowState progressWindowState() {
  return progressWindow().state;
}

}  // namespace ui::toolkit
