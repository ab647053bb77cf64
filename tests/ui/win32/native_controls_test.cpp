// The Win32 side of the toolkit: controls carry the program's ids as their control ids, and the
// program's Windows-1252 texts reach the controls as the letters they stand for.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit_fixture.h"
#include "ui/toolkit/back_end.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/units.h"

namespace {

using namespace ui::toolkit;
using uitest::ToolkitTest;

// Where a control lies on its form, in pixels.
Rect placeOf(HWND control) {
  RECT area{};
  GetWindowRect(control, &area);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
  return Rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
}

int fontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

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

// Moved to a monitor of half as much resolution again: the controls keep their layout units, so
// their pixels, fonts and list columns grow by half.
TEST_F(ToolkitTest, AMoveToAMonitorOfAnotherResolutionLaysTheFormOutAgain) {
  makeForm([] {
    EZ_LABEL(140, 2, 3, 20, 1, "Label", "");
    EZ_LISTVIEW(150, 1, 5, 30, 10, "First{12}|Second{18}", "");
  });
  HWND form = reinterpret_cast<HWND>(EZ_HANDLE("Test", 0));
  HWND label = GetDlgItem(form, 140);
  HWND list = GetDlgItem(form, 150);
  const double before = screenDotsPerInch();
  const int labelFont = fontHeight(label);
  const int firstColumn = ListView_GetColumnWidth(list, 0);
  const int after = static_cast<int>(before * 3 / 2);
  RECT suggested{};
  GetWindowRect(form, &suggested);
  suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
  suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
  SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(after, after), reinterpret_cast<LPARAM>(&suggested));

  EXPECT_EQ(screenDotsPerInch(), after);
  EXPECT_EQ(placeOf(label), pixelRect(2, 3, 20, 1));
  EXPECT_EQ(placeOf(list), pixelRect(1, 5, 30, 10));
  EXPECT_NEAR(fontHeight(label), labelFont * 3 / 2, 1);
  EXPECT_NEAR(ListView_GetColumnWidth(list, 0), firstColumn * 3 / 2, 1);
  double column, row, width, height;
  EZ_GETPOS("Test", 140, column, row, width, height);
  EXPECT_EQ(column, 2);
  EXPECT_EQ(width, 20);

  resetToolkit();
  EXPECT_EQ(screenDotsPerInch(), before) << "with no window left, the system's resolution holds again";
}

}  // namespace
