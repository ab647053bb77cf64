// The Win32 side of the toolkit: controls carry the program's ids as their control ids, and the
// program's Windows-1252 texts reach the controls as the letters they stand for.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "toolkit_fixture.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"

namespace {

using namespace ui::toolkit;
using uitest::ToolkitTest;

std::wstring shownText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

TEST_F(ToolkitTest, ControlsAreFoundByTheProgramsIdsAndShowWindows1252TextsAsUnicode) {
  makeForm([] {
    EZ_LABEL(140, 1, 1, 20, 1, "M\xFCller \x80 \x9C", "");
    EZ_ODBUTTON(2, 1, 3, 10, 2, "&Quit", "T");
    EZ_TEXT(9999, 1, 6, 20, 1, "", "");
  });
  HWND form = reinterpret_cast<HWND>(EZ_HANDLE("Test", 0));
  ASSERT_NE(form, nullptr);
  for (int32_t id : {140, 2, 9999}) {
    EXPECT_EQ(GetDlgItem(form, id), reinterpret_cast<HWND>(EZ_HANDLE("Test", id))) << id;
  }
  EXPECT_EQ(shownText(GetDlgItem(form, 140)), L"M\u00FCller \u20AC \u0153");

  SetWindowTextW(GetDlgItem(form, 9999), L"\u00C9t\u00E9 \u2019");
  EXPECT_EQ(EZ_GETTEXT("Test", 9999), "\xC9t\xE9 \x92");
  EXPECT_EQ(shownText(form), L"Test form");
}

}  // namespace
