#include "ui/toolkit/session.h"

#include <string>

#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

constexpr UINT kScreenshotDelayMs = 400;
constexpr UINT_PTR kScreenshotTimer = 1;

std::string environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return "";
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return utf8FromWide(value);
}

uint64_t screenshotForm = 0;

void CALLBACK screenshotDue(HWND window, UINT, UINT_PTR timer, DWORD) {
  KillTimer(window, timer);
  takeScreenshot(screenshotForm, environment(L"ZOR_SCREENSHOT"), environment(L"ZOR_SCREENSHOT_FILES"),
                 environment(L"ZOR_SCREENSHOT_CLICKS"));
}

}  // namespace

void prepareSession() {
  static const bool prepared = [] {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_WIN95_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)prepared;
}

void afterStarted(uint64_t serial) {
  static bool taken = false;
  if (taken || environment(L"ZOR_SCREENSHOT").empty()) return;
  taken = true;
  FormRecord* form = findForm(serial);
  if (form == nullptr || windowOf(*form) == nullptr) return;
  screenshotForm = serial;
  SetTimer(windowOf(*form), kScreenshotTimer, kScreenshotDelayMs, screenshotDue);
}

}  // namespace ui::toolkit
