#include "ui/toolkit/win32/list_access.h"

#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

int32_t listCount(HWND list) {
  return list != nullptr ? static_cast<int32_t>(SendMessageW(list, LB_GETCOUNT, 0, 0)) : 0;
}

std::wstring itemText(HWND control, UINT lengthMessage, UINT textMessage, int32_t index) {
  const LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length <= 0) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

std::string listItem(HWND list, int32_t index) {
  if (index < 0 || index >= listCount(list)) return "";
  return cp1252FromWide(itemText(list, LB_GETTEXTLEN, LB_GETTEXT, index));
}

int32_t comboCount(HWND combo) {
  return combo != nullptr ? static_cast<int32_t>(SendMessageW(combo, CB_GETCOUNT, 0, 0)) : 0;
}

std::string comboItem(HWND combo, int32_t index) {
  if (index < 0 || index >= comboCount(combo)) return "";
  return cp1252FromWide(itemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index));
}

int32_t rowCount(HWND view) {
  return view != nullptr ? static_cast<int32_t>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int32_t columnCount(HWND view) {
  HWND header = view != nullptr ? reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0)) : nullptr;
  return header != nullptr ? static_cast<int32_t>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string rowText(HWND view, int32_t row, int32_t column) {
  if (row < 0 || row >= rowCount(view) || column < 0 || column >= columnCount(view)) return "";
  std::wstring text(1024, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  const LRESULT length = SendMessageW(view, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  text.resize(static_cast<size_t>(length > 0 ? length : 0));
  return cp1252FromWide(text);
}

void setRowText(HWND view, int32_t row, int32_t column, std::string_view text) {
  std::wstring wide = wideFrom1252(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(view, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

int32_t focusedRow(HWND view) {
  return static_cast<int32_t>(SendMessageW(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; };
  const size_t shorter = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < shorter; ++i) {
    const int difference = lower(static_cast<unsigned char>(a[i])) - lower(static_cast<unsigned char>(b[i]));
    if (difference != 0) return difference;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace ui::toolkit
