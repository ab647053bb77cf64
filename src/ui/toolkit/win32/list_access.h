// Reading and writing the items of list boxes, combo boxes and list views in the program's texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

std::wstring windowText(HWND window);

// An item's text as the control holds it: `lengthMessage` and `textMessage` are LB_GETTEXTLEN and
// LB_GETTEXT for a list box, CB_GETLBTEXTLEN and CB_GETLBTEXT for a combo box.
std::wstring itemText(HWND control, UINT lengthMessage, UINT textMessage, int32_t index);

int32_t listCount(HWND list);
std::string listItem(HWND list, int32_t index);
int32_t comboCount(HWND combo);
std::string comboItem(HWND combo, int32_t index);

int32_t rowCount(HWND view);
int32_t columnCount(HWND view);
std::string rowText(HWND view, int32_t row, int32_t column);
void setRowText(HWND view, int32_t row, int32_t column, std::string_view text);
int32_t focusedRow(HWND view);

// The order of the lists: letter case ignored, as a sorted list and EZ_SORTLV keep it.
int compareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace ui::toolkit
