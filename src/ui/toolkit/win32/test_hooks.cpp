#include "ui/toolkit/test_hooks.h"

#include "ui/toolkit/win32/win32.h"

#include <shlobj.h>

#include <algorithm>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/win32/form_window.h"
#include "ui/toolkit/win32/list_access.h"
#include "ui/toolkit/win32/message_pump.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

LONG_PTR styleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

// The colours a control shows: the program's, else the system's for its kind.
void readColours(const ControlRecord& control, ControlState& state) {
  const NativeControl& native = *control.native;
  const bool onFace = control.kind == ControlKind::Label || control.kind == ControlKind::Button;
  const int ink = onFace ? COLOR_BTNTEXT : COLOR_WINDOWTEXT;
  const int ground = onFace ? COLOR_BTNFACE : COLOR_WINDOW;
  state.textColour = native.ink.value_or(rgbOf(GetSysColor(ink)));
  state.backColour = native.ground.value_or(rgbOf(GetSysColor(ground)));
}

std::string fontFamilyOf(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return cp1252FromWide(face);
}

HGLOBAL dropData(const std::vector<std::string>& paths, POINT at) {
  std::wstring names;
  for (const std::string& path : paths) {
    std::wstring wide = wideFromUtf8(path);
    for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
    names += wide + L'\0';
  }
  names += L'\0';
  const size_t size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->pt = at;
  header->fNC = FALSE;
  header->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

ControlState controlState(std::string_view form, int32_t id) {
  ControlState state;
  FormRecord* record = findForm(form);
  ControlRecord* control = record != nullptr ? record->control(id) : nullptr;
  HWND window = control != nullptr ? windowOf(*control) : nullptr;
  HWND formWindow = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr || formWindow == nullptr) return state;
  state.exists = true;
  state.kind = control->kind;
  state.layer = control->layer;
  state.text = EZ_GETTEXT(form, id);
  state.enabled = IsWindowEnabled(window) != FALSE;
  const Rect area = *shownArea(*control);
  RECT client{};
  GetClientRect(formWindow, &client);
  const bool inside = area.x < client.right && area.y < client.bottom && area.x + area.width > 0 &&
                      area.y + area.height > 0;
  state.visible = (styleOf(window) & WS_VISIBLE) != 0 && inside;
  state.focused = EZ_GETFOCUSID(form) == id;
  state.focusable = control->native->focusable;
  state.tabStop = (styleOf(window) & WS_TABSTOP) != 0;
  if (control->kind == ControlKind::TextBox) {
    state.multiLine = (styleOf(window) & ES_MULTILINE) != 0;
    state.readOnly = (styleOf(window) & ES_READONLY) != 0;
  }
  state.column = columnsFromPixels(area.x);
  state.row = rowsFromPixels(area.y);
  state.width = columnsFromPixels(area.width);
  state.height = rowsFromPixels(area.height);
  state.accessibleName = control->native->accessibleName;
  readColours(*control, state);
  state.fontFamily = fontFamilyOf(window, control->native->font);
  state.fontPoints = control->native->fontSpec.points;
  state.fontBold = control->native->fontSpec.properties.find_first_of("Bb") != std::string::npos;
  state.lastDrawn = control->lastDrawn;

  switch (control->kind) {
    case ControlKind::ListBox:
    case ControlKind::OwnerDrawnList:
      for (int32_t i = 0; i < listCount(window); ++i) {
        state.items.push_back(listItem(window, i));
        if (SendMessageW(window, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) state.selected.push_back(i);
      }
      state.current = EZ_GETATTR(form, id, "IFocus");
      break;
    case ControlKind::ComboBox:
      for (int32_t i = 0; i < comboCount(window); ++i) state.items.push_back(comboItem(window, i));
      state.current = static_cast<int32_t>(SendMessageW(window, CB_GETCURSEL, 0, 0));
      break;
    case ControlKind::ListView:
      for (int32_t r = 0; r < rowCount(window); ++r) {
        std::vector<std::string> columns;
        for (int32_t c = 0; c < columnCount(window); ++c) columns.push_back(rowText(window, r, c));
        state.items.push_back(columns.empty() ? std::string() : columns.front());
        state.rows.push_back(columns);
        if (SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(r), LVIS_SELECTED) != 0) state.selected.push_back(r);
      }
      state.current = focusedRow(window);
      break;
    case ControlKind::ProgressBar: {
      PBRANGE range{};
      SendMessageW(window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
      state.progress = static_cast<int32_t>(SendMessageW(window, PBM_GETPOS, 0, 0));
      state.progressLow = range.iLow;
      state.progressHigh = range.iHigh;
      break;
    }
    default:
      break;
  }
  return state;
}

void clickButton(std::string_view form, int32_t id) {
  ControlRecord* control = findControl(form, id);
  HWND window = control != nullptr ? windowOf(*control) : nullptr;
  if (window == nullptr || control->kind != ControlKind::Button || !IsWindowEnabled(window)) return;
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

void doubleClickItem(std::string_view form, int32_t id, int32_t index) {
  ControlRecord* control = findControl(form, id);
  HWND window = control != nullptr ? windowOf(*control) : nullptr;
  if (window == nullptr) return;
  if (control->kind == ControlKind::ListView) {
    if (index < 0 || index >= rowCount(window)) return;
    EZ_SELECTITEM(form, id, index);
    NMITEMACTIVATE activate{};
    activate.hdr.hwndFrom = window;
    activate.hdr.idFrom = static_cast<UINT_PTR>(id);
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = index;
    SendMessageW(GetParent(window), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&activate));
  } else if (control->kind == ControlKind::ListBox || control->kind == ControlKind::OwnerDrawnList) {
    if (index < 0 || index >= listCount(window)) return;
    SendMessageW(window, control->multiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(window));
  }
}

bool dropFiles(std::string_view form, const std::vector<std::string>& paths, int32_t id) {
  FormRecord* record = findForm(form);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr || !record->native->drops || paths.empty()) return false;
  POINT at{1, 1};
  if (ControlRecord* control = id != 0 ? record->control(id) : nullptr) {
    if (std::optional<Rect> area = shownArea(*control)) at = POINT{area->x + area->width / 2, area->y + area->height / 2};
  }
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(dropData(paths, at)), 0);
  return true;
}

void pressKey(std::string_view form, Key key, KeyModifiers modifiers) {
  FormRecord* record = findForm(form);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return;
  HWND target = GetFocus();
  if (target == nullptr || (target != window && !IsChild(window, target))) target = record->native->lastFocus;
  if (target == nullptr) target = window;
  MSG message{};
  message.hwnd = target;
  message.message = (modifiers & kAltKey) != 0 ? WM_SYSKEYDOWN : WM_KEYDOWN;
  message.wParam = virtualKey(key);
  message.lParam = 1;
  if (raiseAccelerator(message, modifiers)) return;
  SendMessageW(target, message.message, message.wParam, message.lParam);
  SendMessageW(target, (modifiers & kAltKey) != 0 ? WM_SYSKEYUP : WM_KEYUP, message.wParam,
               static_cast<LPARAM>(0xC0000001));
}

void paintForm(std::string_view form) {
  FormRecord* record = findForm(form);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return;
  // Every owner-drawn part is drawn into a picture of its own, shown or not.
  const uint64_t serial = record->serial;
  for (size_t i = 0; i < record->controls.size(); ++i) {
    record = findForm(serial);
    if (record == nullptr || i >= record->controls.size()) return;
    ControlRecord& control = *record->controls[i];
    HWND item = windowOf(control);
    if (item == nullptr || (control.kind != ControlKind::Button && control.kind != ControlKind::OwnerDrawnList)) continue;
    RECT client{};
    GetClientRect(item, &client);
    HDC screen = GetDC(item);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
    HGDIOBJ old = SelectObject(memory, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = control.kind == ControlKind::Button ? ODT_BUTTON : ODT_LISTBOX;
    draw.CtlID = static_cast<UINT>(control.id);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = item;
    draw.hDC = memory;
    draw.itemState = IsWindowEnabled(item) ? 0 : ODS_DISABLED;
    if (control.kind == ControlKind::Button) {
      draw.rcItem = client;
      draw.itemID = 0;
      drawOwnerItem(*record, control, draw);
    } else {
      const int32_t count = listCount(item);
      for (int32_t row = static_cast<int32_t>(SendMessageW(item, LB_GETTOPINDEX, 0, 0)); row < count; ++row) {
        RECT rect{};
        if (SendMessageW(item, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR ||
            rect.top >= client.bottom) {
          break;
        }
        draw.itemID = static_cast<UINT>(row);
        draw.rcItem = rect;
        draw.itemState = (IsWindowEnabled(item) ? 0 : ODS_DISABLED) |
                         (SendMessageW(item, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0 ? ODS_SELECTED : 0);
        drawOwnerItem(*record, control, draw);
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(item, screen);
  }
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::vector<int32_t> tabRound(std::string_view form, int32_t id) {
  std::vector<int32_t> ids;
  FormRecord* record = findForm(form);
  HWND first = controlWindow(form, id);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (first == nullptr || window == nullptr) return ids;
  // The order of the form's child windows, from `first` round to it again.
  HWND child = first;
  do {
    if ((styleOf(child) & WS_VISIBLE) != 0 && (styleOf(child) & WS_TABSTOP) != 0) {
      if (ControlRecord* control = controlOf(*record, child)) ids.push_back(control->id);
    }
    child = GetWindow(child, GW_HWNDNEXT);
    if (child == nullptr) child = GetWindow(window, GW_CHILD);
  } while (child != nullptr && child != first);
  return ids;
}

void focusControl(std::string_view form, int32_t id) {
  FormRecord* record = findForm(form);
  HWND window = controlWindow(form, id);
  if (record == nullptr || window == nullptr || id == 0) return;
  record->native->lastFocus = window;
  SetFocus(window);
}

void closeWindow(std::string_view form) {
  if (HWND window = controlWindow(form, 0)) SendMessageW(window, WM_CLOSE, 0, 0);
}

void handlePendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    handleMessage(message);
  }
}

void destroyWindowNow(FormRecord& form) {
  if (HWND window = windowOf(form)) DestroyWindow(window);
}

void dropPendingEvents() {
  // Messages of the windows that went are dropped with them.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == kDropMessage) continue;  // its payload belongs to a form that went
    if (message.message != WM_QUIT) DispatchMessageW(&message);
  }
}

}  // namespace ui::toolkit
