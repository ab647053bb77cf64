#include "ui/toolkit/controls.h"

#include <algorithm>
#include <memory>

#include "ui/toolkit/list_columns.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_fonts.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

bool has(std::string_view properties, char letter) {
  return properties.find(letter) != std::string_view::npos;
}

FontSpec nextFontSpec() {
  const DesignSettings& next = toolkit().next;
  if (next.inlineFont) return *next.inlineFont;
  return fontSpecOf(next.font < 0 ? kListFont : next.font);
}

// Every control: a control that is not focusable hands the focus back, and the form remembers
// which control has it.
LRESULT CALLBACK controlSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_SETFOCUS) {
    if (FormRecord* form = formOf(window)) {
      ControlRecord* control = controlOf(*form, window);
      if (control != nullptr && !control->native->focusable) {
        HWND previous = reinterpret_cast<HWND>(wParam);
        SetFocus(previous != nullptr && IsChild(windowOf(*form), previous) ? previous : windowOf(*form));
        return 0;
      }
      form->native->lastFocus = window;
    }
  } else if (message == WM_DESTROY) {
    if (FormRecord* form = formOf(window)) {
      if (ControlRecord* control = controlOf(*form, window)) forgetAccessibleName(*control);
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, controlSubclass, 0);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// Creates the control's window on the form being designed and records it. The window's control
// id is the program's id, so that GetDlgItem finds it.
ControlRecord* addControl(ControlKind kind, int32_t id, double column, double row, double width, double height,
                          std::string_view properties, const wchar_t* windowClass, std::string_view text,
                          DWORD style, DWORD extendedStyle = 0) {
  FormRecord* form = formBeingDesigned();
  HWND parent = form != nullptr ? windowOf(*form) : nullptr;
  if (parent == nullptr) return nullptr;
  const DesignSettings& next = toolkit().next;
  bool hidden = false;
  auto record = newControlRecord(*form, kind, id, column, row, width, height, properties, hidden);
  const Rect area = pixelRect(column, row, width, height);
  HWND window = CreateWindowExW(extendedStyle, windowClass, wideFrom1252(text).c_str(),
                                WS_CHILD | WS_CLIPSIBLINGS | (hidden ? 0 : WS_VISIBLE) | style, area.x, area.y, area.width,
                                area.height, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return nullptr;

  record->native.reset(new NativeControl);
  record->native->window = window;
  record->native->fontSpec = nextFontSpec();
  record->native->font = gdiFont(record->native->fontSpec);
  record->native->ink = paletteColour(next.textColour);
  record->native->ground = paletteColour(next.backColour);
  record->native->focusable = (style & WS_TABSTOP) != 0;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(record->native->font), FALSE);
  SetWindowSubclass(window, controlSubclass, 0, 0);

  return addControlRecord(*form, std::move(record));
}

void makeList(int32_t id, double column, double row, double width, double height, std::string_view properties,
              bool ownerDrawn) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (has(properties, 'M')) style |= LBS_MULTIPLESEL;
  if (ownerDrawn) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  ControlRecord* record = addControl(ownerDrawn ? ControlKind::OwnerDrawnList : ControlKind::ListBox, id, column,
                                     row, width, height, properties, L"LISTBOX", "", style);
  if (record == nullptr) return;
  record->sorted = has(properties, 'A');
  record->multiSelect = has(properties, 'M');
}

}  // namespace

void EZ_LABEL(int32_t id, double column, double row, double width, double height, std::string_view text,
              std::string_view properties) {
  DWORD style = SS_NOPREFIX | SS_CENTERIMAGE | SS_LEFT;
  if (has(properties, 'C')) style = SS_NOPREFIX | SS_CENTERIMAGE | SS_CENTER;
  if (has(properties, 'R')) style = SS_NOPREFIX | SS_CENTERIMAGE | SS_RIGHT;
  addControl(ControlKind::Label, id, column, row, width, height, properties, L"STATIC", text, style);
}

void EZ_TEXT(int32_t id, double column, double row, double width, double height, std::string_view text,
             std::string_view properties) {
  const bool multiLine = has(properties, 'M');
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (multiLine) style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (has(properties, 'E')) style |= ES_READONLY;
  // A box one row high has no room for a frame.
  const bool framed = pixelsDown(height) > pixelsDown(1);
  ControlRecord* record = addControl(ControlKind::TextBox, id, column, row, width, height, properties, L"EDIT",
                                     "", style, framed ? WS_EX_CLIENTEDGE : 0);
  if (record == nullptr) return;
  record->multiLine = multiLine;
  const QuietChange quiet(*record);
  SetWindowTextW(record->native->window, wideFrom1252(text).c_str());
}

void EZ_ODBUTTON(int32_t id, double column, double row, double width, double height, std::string_view text,
                 std::string_view properties) {
  if (ControlRecord* record = addControl(ControlKind::Button, id, column, row, width, height, properties,
                                         L"BUTTON", text, WS_TABSTOP | BS_OWNERDRAW)) {
    record->native->accessibleName = withoutMnemonic(text);
    record->explicitName = true;
  }
}

void EZ_LISTBOX(int32_t id, double column, double row, double width, double height, std::string_view,
                std::string_view properties) {
  makeList(id, column, row, width, height, properties, false);
}

void EZ_ODLISTBOX(int32_t id, double column, double row, double width, double height, std::string_view,
                  std::string_view properties) {
  makeList(id, column, row, width, height, properties, true);
}

void EZ_COMBOBOX(int32_t id, double column, double row, double width, double height, std::string_view,
                 std::string_view properties) {
  // The given height is that of the open list, as Windows takes it.
  addControl(ControlKind::ComboBox, id, column, row, width, height, properties, L"COMBOBOX", "",
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
}

void EZ_LISTVIEW(int32_t id, double column, double row, double width, double height, std::string_view columns,
                 std::string_view properties) {
  ControlRecord* record =
      addControl(ControlKind::ListView, id, column, row, width, height, properties, WC_LISTVIEWW, "",
                 WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, WS_EX_CLIENTEDGE);
  if (record == nullptr) return;
  HWND view = record->native->window;
  ListView_SetExtendedListViewStyle(view, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  std::vector<ListColumn> spec = parseListColumns(columns);
  if (spec.empty()) spec.push_back(ListColumn{});
  for (size_t i = 0; i < spec.size(); ++i) {
    std::wstring title = wideFrom1252(spec[i].title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title.data();
    column.cx = spec[i].width > 0 ? pixelsAcross(spec[i].width) : pixelsAcross(width) / static_cast<int>(spec.size());
    column.iSubItem = static_cast<int>(i);
    SendMessageW(view, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  if (record->native->ground) {
    ListView_SetBkColor(view, colourRef(*record->native->ground));
    ListView_SetTextBkColor(view, colourRef(*record->native->ground));
  }
  if (record->native->ink) ListView_SetTextColor(view, colourRef(*record->native->ink));
}

void EZ_PROGRESSBAR(int32_t id, double column, double row, double width, double height, std::string_view,
                    std::string_view properties) {
  if (ControlRecord* record =
          addControl(ControlKind::ProgressBar, id, column, row, width, height, properties, PROGRESS_CLASSW, "", 0)) {
    SendMessageW(record->native->window, PBM_SETRANGE32, 0, 100);
  }
}

void placeControl(std::string_view form, int32_t id, double column, double row, double width, double height) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || windowOf(*control) == nullptr) return;
  control->column = column;
  control->row = row;
  control->width = width;
  control->height = height;
  const Rect area = pixelRect(column, row, width, height);
  SetWindowPos(windowOf(*control), nullptr, area.x, area.y, area.width, area.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void destroyControlWindow(ControlRecord& control) {
  if (HWND replaced = windowOf(control)) DestroyWindow(replaced);
}

}  // namespace ui::toolkit
