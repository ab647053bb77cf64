#include "ui/toolkit/win32/form_window.h"

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/owner_draw_context.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/win32/list_access.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

constexpr wchar_t kFormClass[] = L"ZorWizardForm";

struct DroppedFiles {
  FileDropHandler handler;
  std::vector<std::string> paths;
  int32_t id = 0;
};

void drawPlainButton(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  UINT state = DFCS_BUTTONPUSH;
  if ((item.itemState & ODS_SELECTED) != 0) state |= DFCS_PUSHED;
  if ((item.itemState & ODS_DISABLED) != 0) state |= DFCS_INACTIVE;
  DrawFrameControl(item.hDC, &rect, DFC_BUTTON, state);
  const std::wstring caption = windowText(item.hwndItem);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor((item.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(item.hDC, caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void drawPlainItem(const ControlRecord& control, const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF ground = selected ? GetSysColor(COLOR_HIGHLIGHT)
                             : (control.native->ground ? colourRef(*control.native->ground) : GetSysColor(COLOR_WINDOW));
  COLORREF ink = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                          : (control.native->ink ? colourRef(*control.native->ink) : GetSysColor(COLOR_WINDOWTEXT));
  HBRUSH brush = CreateSolidBrush(ground);
  FillRect(item.hDC, &item.rcItem, brush);
  DeleteObject(brush);
  if (item.itemID != static_cast<UINT>(-1)) {
    const std::wstring text = itemText(item.hwndItem, LB_GETTEXTLEN, LB_GETTEXT, static_cast<int32_t>(item.itemID));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ink);
    RECT rect = item.rcItem;
    rect.left += 2;
    DrawTextW(item.hDC, text.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT colourControl(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  FormRecord* record = formOf(form);
  ControlRecord* control = record != nullptr ? controlOf(*record, reinterpret_cast<HWND>(lParam)) : nullptr;
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (control == nullptr || !control->native) return DefWindowProcW(form, message, wParam, lParam);
  NativeControl& native = *control->native;
  if (native.ink && IsWindowEnabled(native.window)) SetTextColor(dc, colourRef(*native.ink));
  if (native.ground) {
    SetBkColor(dc, colourRef(*native.ground));
    if (native.groundBrush == nullptr) native.groundBrush = CreateSolidBrush(colourRef(*native.ground));
    return reinterpret_cast<LRESULT>(native.groundBrush);
  }
  LRESULT brush = DefWindowProcW(form, message, wParam, lParam);
  if (message == WM_CTLCOLORSTATIC && control->kind == ControlKind::Label && record->native->background != nullptr) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(record->native->background);
  }
  return brush;
}

void handleCommand(FormRecord& form, HWND source, UINT code) {
  ControlRecord* control = controlOf(form, source);
  if (control == nullptr || control->native == nullptr || control->native->quiet) return;
  const uint64_t serial = form.serial;
  const int32_t id = control->id;
  HWND window = control->native->window;
  switch (control->kind) {
    case ControlKind::Button:
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) raiseEvent(serial, id, kEventClick, 0);
      break;
    case ControlKind::ListBox:
    case ControlKind::OwnerDrawnList:
      if (code == LBN_SELCHANGE) {
        raiseEvent(serial, id, kEventClick, static_cast<int32_t>(SendMessageW(window, LB_GETCARETINDEX, 0, 0)));
      } else if (code == LBN_DBLCLK) {
        // The first click of the two put the caret on the item under the mouse.
        raiseEvent(serial, id, kEventDoubleClick, static_cast<int32_t>(SendMessageW(window, LB_GETCARETINDEX, 0, 0)));
      }
      break;
    case ControlKind::ComboBox:
      if (code == CBN_SELCHANGE) {
        raiseEvent(serial, id, kEventChange, static_cast<int32_t>(SendMessageW(window, CB_GETCURSEL, 0, 0)));
      }
      break;
    case ControlKind::TextBox:
      if (code == EN_CHANGE) raiseEvent(serial, id, kEventChange, 0);
      break;
    default:
      break;
  }
}

LRESULT handleNotify(FormRecord& form, const NMHDR& header) {
  ControlRecord* control = controlOf(form, header.hwndFrom);
  if (control == nullptr || control->kind != ControlKind::ListView || control->native->quiet) return 0;
  const uint64_t serial = form.serial;
  const int32_t id = control->id;
  if (header.code == NM_DBLCLK) {
    const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
    raiseEvent(serial, id, kEventDoubleClick, activate.iItem);
  } else if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selection = ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0;
    if (selection && GetFocus() == header.hwndFrom) {
      raiseEvent(serial, id, kEventListViewNotify, kListViewItemChanged);
    }
  }
  return 0;
}

void handleClose(HWND window) {
  FormRecord* form = formOf(window);
  if (form == nullptr || form->unloading) {
    DestroyWindow(window);
    return;
  }
  const Toolkit& state = toolkit();
  if (!state.eventForms.empty() || state.starting || state.designing != nullptr) {
    form->closePending = true;
    return;
  }
  if (raiseEvent(*form, 0, kEventClosing, 0) != 0) return;
  if (FormRecord* still = formOf(window)) unloadForm(*still, false);
}

void handleDrop(HWND window, HDROP drop) {
  FormRecord* form = formOf(window);
  if (form == nullptr || !form->native->drops) {
    DragFinish(drop);
    return;
  }
  auto dropped = std::make_unique<DroppedFiles>();
  dropped->handler = form->native->drops;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    dropped->paths.push_back(utf8FromWide(path));
  }
  POINT at{};
  DragQueryPoint(drop, &at);
  DragFinish(drop);
  HWND under = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
  if (ControlRecord* control = under != window ? controlOf(*form, under) : nullptr) dropped->id = control->id;
  if (dropped->paths.empty()) return;
  // The handler may open boxes; the drag source must not wait for them.
  PostMessageW(window, kDropMessage, 0, reinterpret_cast<LPARAM>(dropped.release()));
}

void trackFocus(HWND window, UINT state) {
  FormRecord* form = formOf(window);
  if (form == nullptr) return;
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) form->native->lastFocus = focus;
  } else if (form->native->lastFocus != nullptr && IsWindow(form->native->lastFocus)) {
    SetFocus(form->native->lastFocus);
  }
}

LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0) {
        if (FormRecord* form = formOf(window)) handleCommand(*form, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY:
      if (FormRecord* form = formOf(window)) return handleNotify(*form, *reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      FormRecord* form = formOf(window);
      ControlRecord* control = form != nullptr ? controlOf(*form, item.hwndItem) : nullptr;
      if (control == nullptr) return FALSE;
      drawOwnerItem(*form, *control, item);
      return TRUE;
    }
    case WM_MEASUREITEM: {
      // Asked when the list is made, before the program can answer: the program's answer comes with
      // ensureItemHeight.
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      item.itemHeight = 16;
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return colourControl(window, message, wParam, lParam);
    case WM_ERASEBKGND: {
      FormRecord* form = formOf(window);
      if (form == nullptr || form->native->background == nullptr) break;
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, form->native->background);
      return 1;
    }
    case WM_ACTIVATE:
      trackFocus(window, LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      handleClose(window);
      return 0;
    case WM_DROPFILES:
      handleDrop(window, reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_DPICHANGED: {
      if (FormRecord* form = formOf(window)) relayoutForResolution(*form, LOWORD(wParam));
      const RECT* suggested = reinterpret_cast<RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case kStartedMessage:
      if (FormRecord* form = formOf(window)) {
        const uint64_t serial = form->serial;
        raiseEvent(*form, 0, kEventStarted, 0);
        afterStarted(serial);
      }
      return 0;
    case kDestroyMessage:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      forgetResolutionUnlessShown(window);
      break;
    case kDropMessage: {
      std::unique_ptr<DroppedFiles> dropped(reinterpret_cast<DroppedFiles*>(lParam));
      if (dropped->handler) dropped->handler(dropped->paths, dropped->id);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

const wchar_t* formClassName() {
  static const ATOM registered = registerWindowClass(kFormClass, formProcedure, IDC_ARROW, CS_DBLCLKS);
  (void)registered;
  return kFormClass;
}

void ensureItemHeight(FormRecord& form, ControlRecord& control) {
  if (control.kind != ControlKind::OwnerDrawnList || control.ownerItemHeight >= 0) return;
  HWND list = windowOf(control);
  if (list == nullptr) return;
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, control.native->font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  RECT client{};
  GetClientRect(list, &client);
  DrawContext context;
  context.sizing = true;
  context.index = 0;
  context.width = client.right - client.left;
  context.height = metrics.tmHeight + 2;
  const int proposed = context.height;
  raiseOwnerEvent(form.serial, control.id, kEventOwnerSize, context);
  // Asked once: every item of the list has the height of the answer (or the proposal).
  control.ownerItemHeight = context.height > 0 ? context.height : proposed;
  SendMessageW(list, LB_SETITEMHEIGHT, 0, control.ownerItemHeight);
}

void drawOwnerItem(FormRecord& form, ControlRecord& control, const DRAWITEMSTRUCT& item) {
  DrawSurface surface{item.hDC, item.hwndItem};
  DrawContext context;
  context.surface = &surface;
  context.rect = Rect{item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
                      item.rcItem.bottom - item.rcItem.top};
  context.selected = (item.itemState & ODS_SELECTED) != 0;
  context.disabled = (item.itemState & ODS_DISABLED) != 0;
  context.focus = (item.itemState & ODS_FOCUS) != 0;
  const int saved = SaveDC(item.hDC);
  bool drawn = false;
  if (control.kind == ControlKind::Button) {
    drawn = raiseOwnerEvent(form.serial, control.id, kEventOwnerDraw, context);
    RestoreDC(item.hDC, saved);
    if (!drawn) drawPlainButton(item);
    return;
  }
  ensureItemHeight(form, control);
  if (item.itemID != static_cast<UINT>(-1)) {
    context.index = static_cast<int32_t>(item.itemID);
    drawn = raiseOwnerEvent(form.serial, control.id, kEventOwnerDraw, context);
  }
  RestoreDC(item.hDC, saved);
  if (!drawn) drawPlainItem(control, item);
}

}  // namespace ui::toolkit
