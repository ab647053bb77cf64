#include "ui/toolkit/win32/modal_dialog.h"

#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

namespace {

constexpr wchar_t kDialogClass[] = L"ZorWizardDialog";

struct Running {
  ModalDialog* dialog = nullptr;
  int escapeButton = -1;
  bool done = false;
};

LRESULT CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* running = reinterpret_cast<Running*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (running != nullptr) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      const int id = LOWORD(wParam);
      const int count = static_cast<int>(running->dialog->buttons.size());
      if (id >= kFirstButtonId && id < kFirstButtonId + count) {
        running->dialog->pressed = id - kFirstButtonId;
        running->done = true;
      } else if (id == IDOK) {
        running->dialog->pressed = running->dialog->defaultButton;
        running->done = true;
      } else if (id == IDCANCEL) {
        running->dialog->pressed = running->escapeButton;
        running->done = true;
      }
      return 0;
    }
    if (message == WM_CLOSE) {
      running->dialog->pressed = running->escapeButton;
      running->done = true;
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* dialogClass() {
  static const ATOM registered = registerWindowClass(kDialogClass, dialogProcedure, IDC_ARROW);
  (void)registered;
  return kDialogClass;
}

}  // namespace

ModalDialog::~ModalDialog() {
  if (window != nullptr && IsWindow(window)) DestroyWindow(window);
}

void createModalDialog(ModalDialog& dialog, HWND owner, const std::wstring& title, int width, int height) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  RECT over{};
  if (owner != nullptr) {
    GetWindowRect(owner, &over);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  }
  const int x = over.left + (over.right - over.left - frameWidth) / 2;
  const int y = over.top + (over.bottom - over.top - frameHeight) / 2;
  dialog.window = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, dialogClass(), title.c_str(), style, x,
                                  y, frameWidth, frameHeight, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND addChild(ModalDialog& dialog, const wchar_t* windowClass, const std::wstring& text, DWORD style, RECT area,
              int id, DWORD extendedStyle) {
  HWND child = CreateWindowExW(extendedStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, area.left,
                               area.top, area.right - area.left, area.bottom - area.top, dialog.window,
                               reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), GetModuleHandleW(nullptr),
                               nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont()), FALSE);
  return child;
}

void runModalDialog(ModalDialog& dialog, HWND owner, int escapeButton) {
  Running running{&dialog, escapeButton, false};
  SetWindowLongPtrW(dialog.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&running));
  const bool ownerEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerEnabled) EnableWindow(owner, FALSE);
  ShowWindow(dialog.window, SW_SHOW);
  SetFocus(dialog.edit != nullptr ? dialog.edit
                                  : (dialog.buttons.empty() ? dialog.window
                                                            : dialog.buttons[static_cast<size_t>(dialog.defaultButton)]));
  MSG message;
  while (!running.done) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit message for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      dialog.pressed = escapeButton;
      break;
    }
    if (IsDialogMessageW(dialog.window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerEnabled) EnableWindow(owner, TRUE);
  SetWindowLongPtrW(dialog.window, GWLP_USERDATA, 0);
  ShowWindow(dialog.window, SW_HIDE);
  if (owner != nullptr) SetActiveWindow(owner);
}

}  // namespace ui::toolkit
