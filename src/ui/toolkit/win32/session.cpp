#include "ui/toolkit/session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/screenshot.h"
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

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(separator, start), text.size());
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

uint64_t screenshotForm = 0;

void takeScreenshot(uint64_t serial, const std::string& path) {
  FormRecord* form = findForm(serial);
  if (form == nullptr || windowOf(*form) == nullptr) return;
  DialogScript answers;
  for (const std::string& dialog : split(environment(L"ZOR_SCREENSHOT_FILES"), '|')) {
    answers.files.push_back(split(dialog, ';'));
  }
  DialogScript* previous = setDialogScript(&answers);
  for (const std::string& id : split(environment(L"ZOR_SCREENSHOT_CLICKS"), ',')) {
    clickButton(form->name, std::atoi(id.c_str()));
    handlePendingEvents();
    form = findForm(serial);
    if (form == nullptr || windowOf(*form) == nullptr) {
      setDialogScript(previous);
      return;
    }
  }
  setDialogScript(previous);
  if (!saveWindowImage(windowOf(*form), path)) {
    std::fprintf(stderr, "Could not write the screenshot %s\n", path.c_str());
    toolkit().exitCode = 1;
  }
  unloadForm(*form, true);
}

void CALLBACK screenshotDue(HWND window, UINT, UINT_PTR timer, DWORD) {
  KillTimer(window, timer);
  takeScreenshot(screenshotForm, environment(L"ZOR_SCREENSHOT"));
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
