#include "ui/toolkit/contents.h"

#include <algorithm>
#include <vector>

#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/win32/form_window.h"
#include "ui/toolkit/win32/list_access.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

// The place of a new item in a sorted list: after every item that does not sort after it.
int32_t sortedPosition(HWND list, std::string_view text) {
  int32_t low = 0;
  int32_t high = listCount(list);
  while (low < high) {
    const int32_t middle = (low + high) / 2;
    if (compareIgnoringCase(listItem(list, middle), text) <= 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

bool isList(const ControlRecord& control) {
  return control.kind == ControlKind::ListBox || control.kind == ControlKind::OwnerDrawnList;
}

struct Found {
  ControlRecord* control = nullptr;
  HWND window = nullptr;
};

Found find(std::string_view form, int32_t id) {
  ControlRecord* control = findControl(form, id);
  HWND window = control != nullptr ? windowOf(*control) : nullptr;
  return window != nullptr ? Found{control, window} : Found{};
}

HWND viewOf(std::string_view form, int32_t id) {
  Found found = find(form, id);
  return found.control != nullptr && found.control->kind == ControlKind::ListView ? found.window : nullptr;
}

void setRowState(HWND view, int32_t row, UINT state, UINT mask) {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Keeps a list where it is scrolled while the program changes selection or focus.
class KeptScroll {
 public:
  explicit KeptScroll(HWND list) : list_(list), top_(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) {}
  ~KeptScroll() { SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top_), 0); }
  KeptScroll(const KeptScroll&) = delete;
  KeptScroll& operator=(const KeptScroll&) = delete;

 private:
  HWND list_;
  LRESULT top_;
};

}  // namespace

void EZ_SETTEXT(std::string_view form, int32_t id, std::string_view text) {
  if (id == 0) {
    if (HWND window = controlWindow(form, 0)) SetWindowTextW(window, wideFrom1252(text).c_str());
    return;
  }
  Found found = find(form, id);
  if (found.window == nullptr) return;
  const QuietChange quiet(*found.control);
  switch (found.control->kind) {
    case ControlKind::Label:
    case ControlKind::TextBox:
      SetWindowTextW(found.window, wideFrom1252(text).c_str());
      break;
    case ControlKind::Button:
      SetWindowTextW(found.window, wideFrom1252(text).c_str());
      found.control->native->accessibleName = withoutMnemonic(text);
      break;
    case ControlKind::ComboBox: {
      int32_t chosen = -1;
      for (int32_t i = 0; i < comboCount(found.window) && chosen < 0; ++i) {
        if (comboItem(found.window, i) == text) chosen = i;
      }
      SendMessageW(found.window, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
      break;
    }
    default:
      break;
  }
}

std::string EZ_GETTEXT(std::string_view form, int32_t id) {
  if (id == 0) {
    HWND window = controlWindow(form, 0);
    return window != nullptr ? cp1252FromWide(windowText(window)) : std::string();
  }
  Found found = find(form, id);
  if (found.window == nullptr) return "";
  switch (found.control->kind) {
    case ControlKind::Label:
    case ControlKind::TextBox:
    case ControlKind::Button:
      return cp1252FromWide(windowText(found.window));
    case ControlKind::ComboBox:
      return comboItem(found.window, static_cast<int32_t>(SendMessageW(found.window, CB_GETCURSEL, 0, 0)));
    case ControlKind::ListBox:
    case ControlKind::OwnerDrawnList:
      return listItem(found.window, EZ_GETATTR(form, id, "IFocus"));
    case ControlKind::ListView:
      return rowText(found.window, focusedRow(found.window), 0);
    default:
      return "";
  }
}

void EZ_CLEAR(std::string_view form, int32_t id) {
  Found found = find(form, id);
  if (found.window == nullptr) return;
  const QuietChange quiet(*found.control);
  switch (found.control->kind) {
    case ControlKind::ListBox:
    case ControlKind::OwnerDrawnList:
      SendMessageW(found.window, LB_RESETCONTENT, 0, 0);
      break;
    case ControlKind::ListView:
      SendMessageW(found.window, LVM_DELETEALLITEMS, 0, 0);
      break;
    case ControlKind::ComboBox:
      SendMessageW(found.window, CB_RESETCONTENT, 0, 0);
      break;
    case ControlKind::TextBox:
      SetWindowTextW(found.window, L"");
      break;
    default:
      break;
  }
}

void EZ_ADDITEMS(std::string_view form, int32_t id, std::string_view items) {
  Found found = find(form, id);
  if (found.window == nullptr) return;
  const std::vector<std::string_view> parts = splitItems(items);
  const QuietChange quiet(*found.control);
  if (isList(*found.control)) {
    if (FormRecord* record = findForm(form)) ensureItemHeight(*record, *found.control);
    for (std::string_view part : parts) {
      const int32_t place = found.control->sorted ? sortedPosition(found.window, part) : listCount(found.window);
      SendMessageW(found.window, LB_INSERTSTRING, static_cast<WPARAM>(place),
                   reinterpret_cast<LPARAM>(wideFrom1252(part).c_str()));
    }
  } else if (found.control->kind == ControlKind::ComboBox) {
    for (std::string_view part : parts) {
      SendMessageW(found.window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideFrom1252(part).c_str()));
    }
  } else if (found.control->kind == ControlKind::ListView) {
    for (std::string_view part : parts) EZ_ADDLVITEM(form, id, part);
  }
}

void EZ_SELECTITEM(std::string_view form, int32_t id, int32_t index) {
  Found found = find(form, id);
  if (found.window == nullptr) return;
  const QuietChange quiet(*found.control);
  if (found.control->kind == ControlKind::ComboBox) {
    SendMessageW(found.window, CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < comboCount(found.window) ? index : -1), 0);
  } else if (isList(*found.control)) {
    if (index < 0 || index >= listCount(found.window)) return;
    if (found.control->multiSelect) {
      SendMessageW(found.window, LB_SETSEL, TRUE, index);
      SendMessageW(found.window, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    } else {
      SendMessageW(found.window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
  } else if (found.control->kind == ControlKind::ListView) {
    if (index < 0 || index >= rowCount(found.window)) return;
    setRowState(found.window, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    setRowState(found.window, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(found.window, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
  }
}

std::string EZ_GETITEMTEXT(std::string_view form, int32_t id, int32_t index) {
  Found found = find(form, id);
  if (found.window == nullptr) return "";
  if (isList(*found.control)) return listItem(found.window, index);
  if (found.control->kind == ControlKind::ComboBox) return comboItem(found.window, index);
  if (found.control->kind == ControlKind::ListView) return rowText(found.window, index, 0);
  return "";
}

int32_t EZ_GETSELECT(std::string_view form, int32_t id, int32_t index) {
  Found found = find(form, id);
  if (found.window == nullptr) return 0;
  if (isList(*found.control)) {
    if (index < 0 || index >= listCount(found.window)) return 0;
    return SendMessageW(found.window, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0 ? 1 : 0;
  }
  if (found.control->kind == ControlKind::ListView) {
    if (index < 0 || index >= rowCount(found.window)) return 0;
    return SendMessageW(found.window, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0 ? 1 : 0;
  }
  if (found.control->kind == ControlKind::ComboBox) {
    return index >= 0 && SendMessageW(found.window, CB_GETCURSEL, 0, 0) == index ? 1 : 0;
  }
  return 0;
}

void EZ_SETSELECT(std::string_view form, int32_t id, int32_t index, int32_t state) {
  Found found = find(form, id);
  if (found.window == nullptr) return;
  const QuietChange quiet(*found.control);
  if (isList(*found.control)) {
    if (index < 0 || index >= listCount(found.window)) return;
    const KeptScroll kept(found.window);
    if (found.control->multiSelect) {
      const LRESULT caret = SendMessageW(found.window, LB_GETCARETINDEX, 0, 0);
      SendMessageW(found.window, LB_SETSEL, state != 0 ? TRUE : FALSE, index);
      SendMessageW(found.window, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
    } else if (state != 0) {
      SendMessageW(found.window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } else if (SendMessageW(found.window, LB_GETCURSEL, 0, 0) == index) {
      SendMessageW(found.window, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
  } else if (found.control->kind == ControlKind::ListView) {
    if (index >= 0 && index < rowCount(found.window)) {
      setRowState(found.window, index, state != 0 ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
  } else if (found.control->kind == ControlKind::ComboBox) {
    if (state != 0 && index >= 0 && index < comboCount(found.window)) {
      SendMessageW(found.window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } else if (state == 0 && SendMessageW(found.window, CB_GETCURSEL, 0, 0) == index) {
      SendMessageW(found.window, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
  }
}

int32_t EZ_GETATTR(std::string_view form, int32_t id, std::string_view attribute) {
  Found found = find(form, id);
  if (found.window == nullptr) return 0;
  if (isList(*found.control)) {
    const int32_t count = listCount(found.window);
    if (sameName(attribute, "ICount")) return count;
    if (sameName(attribute, "IFocus")) {
      if (count == 0) return -1;
      if (!found.control->multiSelect) return static_cast<int32_t>(SendMessageW(found.window, LB_GETCURSEL, 0, 0));
      return static_cast<int32_t>(SendMessageW(found.window, LB_GETCARETINDEX, 0, 0));
    }
    if (sameName(attribute, "TIndex")) return static_cast<int32_t>(SendMessageW(found.window, LB_GETTOPINDEX, 0, 0));
  } else if (found.control->kind == ControlKind::ListView) {
    if (sameName(attribute, "ICount")) return rowCount(found.window);
    if (sameName(attribute, "IFocus")) return focusedRow(found.window);
    if (sameName(attribute, "TIndex")) return static_cast<int32_t>(SendMessageW(found.window, LVM_GETTOPINDEX, 0, 0));
  } else if (found.control->kind == ControlKind::ComboBox) {
    if (sameName(attribute, "ICount")) return comboCount(found.window);
    if (sameName(attribute, "IFocus")) return static_cast<int32_t>(SendMessageW(found.window, CB_GETCURSEL, 0, 0));
  }
  return 0;
}

void EZ_SETATTR(std::string_view form, int32_t id, std::string_view attribute, int32_t value) {
  Found found = find(form, id);
  if (found.window == nullptr) return;
  const QuietChange quiet(*found.control);
  if (isList(*found.control)) {
    if (sameName(attribute, "IFocus")) {
      if (value < 0 || value >= listCount(found.window)) return;
      const KeptScroll kept(found.window);
      if (found.control->multiSelect) {
        SendMessageW(found.window, LB_SETCARETINDEX, static_cast<WPARAM>(value), FALSE);
      } else {
        SendMessageW(found.window, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
      }
    } else if (sameName(attribute, "TIndex")) {
      SendMessageW(found.window, LB_SETTOPINDEX, static_cast<WPARAM>(value), 0);
    }
  } else if (found.control->kind == ControlKind::ListView) {
    if (value < 0 || value >= rowCount(found.window)) return;
    if (sameName(attribute, "IFocus")) {
      setRowState(found.window, value, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (sameName(attribute, "TIndex")) {
      RECT row{};
      row.left = LVIR_BOUNDS;
      SendMessageW(found.window, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
      const LRESULT top = SendMessageW(found.window, LVM_GETTOPINDEX, 0, 0);
      SendMessageW(found.window, LVM_SCROLL, 0, (value - top) * (row.bottom - row.top));
    }
  } else if (found.control->kind == ControlKind::ComboBox && sameName(attribute, "IFocus")) {
    SendMessageW(found.window, CB_SETCURSEL, static_cast<WPARAM>(value >= 0 && value < comboCount(found.window) ? value : -1), 0);
  }
}

int32_t EZ_ADDLVITEM(std::string_view form, int32_t id, std::string_view text, int32_t row) {
  HWND view = viewOf(form, id);
  if (view == nullptr) return -1;
  const int32_t count = rowCount(view);
  std::wstring wide = wideFrom1252(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row >= 0 && row < count ? row : count;
  item.pszText = wide.data();
  item.lParam = 0;
  return static_cast<int32_t>(SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void EZ_SETLVITEM(std::string_view form, int32_t id, int32_t row, int32_t column, std::string_view text) {
  HWND view = viewOf(form, id);
  if (view == nullptr || row < 0 || row >= rowCount(view) || column < 0 || column >= columnCount(view)) return;
  setRowText(view, row, column, text);
}

std::string EZ_GETLVITEMTEXT(std::string_view form, int32_t id, int32_t row, int32_t column) {
  return rowText(viewOf(form, id), row, column);
}

void EZ_SETLVLONG(std::string_view form, int32_t id, int32_t row, int32_t value) {
  HWND view = viewOf(form, id);
  if (view == nullptr || row < 0 || row >= rowCount(view)) return;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = value;
  SendMessageW(view, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int32_t EZ_GETLVLONG(std::string_view form, int32_t id, int32_t row) {
  HWND view = viewOf(form, id);
  if (view == nullptr || row < 0 || row >= rowCount(view)) return 0;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  SendMessageW(view, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return static_cast<int32_t>(item.lParam);
}

void EZ_SORTLV(std::string_view form, int32_t id, int32_t column, int32_t descending) {
  HWND view = viewOf(form, id);
  if (view == nullptr || column < 0 || column >= columnCount(view)) return;
  struct Row {
    std::vector<std::string> texts;
    int32_t number = 0;
    UINT state = 0;
  };
  std::vector<Row> rows;
  const int32_t count = rowCount(view);
  const int32_t columns = columnCount(view);
  for (int32_t r = 0; r < count; ++r) {
    Row row;
    for (int32_t c = 0; c < columns; ++c) row.texts.push_back(rowText(view, r, c));
    row.number = EZ_GETLVLONG(form, id, r);
    row.state = static_cast<UINT>(SendMessageW(view, LVM_GETITEMSTATE, static_cast<WPARAM>(r), LVIS_SELECTED | LVIS_FOCUSED));
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [column, descending](const Row& a, const Row& b) {
    const int order = compareIgnoringCase(a.texts[static_cast<size_t>(column)], b.texts[static_cast<size_t>(column)]);
    return descending != 0 ? order > 0 : order < 0;
  });
  ControlRecord* control = findControl(form, id);
  const QuietChange quiet(*control);
  SendMessageW(view, WM_SETREDRAW, FALSE, 0);
  SendMessageW(view, LVM_DELETEALLITEMS, 0, 0);
  for (size_t r = 0; r < rows.size(); ++r) {
    const int32_t place = EZ_ADDLVITEM(form, id, rows[r].texts.front());
    for (int32_t c = 1; c < columns; ++c) setRowText(view, place, c, rows[r].texts[static_cast<size_t>(c)]);
    EZ_SETLVLONG(form, id, place, rows[r].number);
    if (rows[r].state != 0) setRowState(view, place, rows[r].state, LVIS_SELECTED | LVIS_FOCUSED);
  }
  SendMessageW(view, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(view, nullptr, TRUE);
}

void EZ_SETREDRAWSTATE(std::string_view form, int32_t state) {
  HWND window = controlWindow(form, 0);
  if (window == nullptr) return;
  SendMessageW(window, WM_SETREDRAW, state != 0 ? TRUE : FALSE, 0);
  if (state != 0) RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void EZ_REDRAWFORM(std::string_view form) {
  if (HWND window = controlWindow(form, 0)) {
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

void EZ_REDRAWCONTROL(std::string_view form, int32_t id) {
  if (HWND window = controlWindow(form, id)) InvalidateRect(window, nullptr, TRUE);
}

void EZ_ENABLEC(std::string_view form, int32_t id) {
  if (HWND window = controlWindow(form, id)) EnableWindow(window, TRUE);
}

void EZ_DISABLEC(std::string_view form, int32_t id) {
  if (HWND window = controlWindow(form, id)) EnableWindow(window, FALSE);
}

void EZ_SETPBAR(std::string_view form, int32_t id, int32_t position, int32_t low, int32_t high) {
  Found found = find(form, id);
  if (found.window == nullptr || found.control->kind != ControlKind::ProgressBar) return;
  const int32_t top = std::max(low, high);
  SendMessageW(found.window, PBM_SETRANGE32, static_cast<WPARAM>(low), top);
  SendMessageW(found.window, PBM_SETPOS, static_cast<WPARAM>(std::clamp(position, low, top)), 0);
}

int32_t EZ_GETFOCUSID(std::string_view form) {
  FormRecord* record = findForm(form);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return 0;
  HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(window, focus)) focus = record->native->lastFocus;
  ControlRecord* control = focus != nullptr ? controlOf(*record, focus) : nullptr;
  return control != nullptr ? control->id : 0;
}

}  // namespace ui::toolkit
