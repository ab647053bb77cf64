// Drives zor-wizard.exe through its own controls, from outside, as a player would: the wizard opens
// the export named on its command line, then Parse Selection, Import File, Yes to the question, OK
// to the report, and Quit. The end-to-end script compares the game folder it leaves with the one
// zor-import leaves.
// Usage: zor-drive-wizard WIZARD_EXE GAME_FOLDER EXPORT_FILE
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ui/form/control_ids.h"

namespace {

constexpr DWORD kStepTimeoutMs = 60000;

struct ProcessWindows {
  HWND main = nullptr;
  std::vector<HWND> dialogs;
};

struct Search {
  DWORD processId;
  ProcessWindows found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM data) {
  Search& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  if (GetDlgItem(window, ui::kParseButton) != nullptr && GetDlgItem(window, ui::kImportButton) != nullptr) {
    search.found.main = window;
  } else {
    search.found.dialogs.push_back(window);
  }
  return TRUE;
}

ProcessWindows windowsOf(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string narrow(const std::wstring& text) {
  std::string result;
  for (wchar_t c : text) result += c < 128 ? static_cast<char>(c) : '?';
  return result;
}

std::wstring textOf(HWND window) {
  wchar_t text[2048] = {};
  GetWindowTextW(window, text, 2048);
  return text;
}

std::wstring withoutMnemonic(std::wstring text) {
  std::wstring result;
  for (wchar_t c : text) {
    if (c != L'&') result += c;
  }
  return result;
}

struct ButtonSearch {
  std::wstring caption;
  HWND button = nullptr;
  std::wstring texts;
};

BOOL CALLBACK findButton(HWND child, LPARAM data) {
  ButtonSearch& search = *reinterpret_cast<ButtonSearch*>(data);
  wchar_t type[64] = {};
  GetClassNameW(child, type, 64);
  const std::wstring text = textOf(child);
  if (_wcsicmp(type, L"Button") == 0) {
    if (withoutMnemonic(text) == search.caption) search.button = child;
  } else if (!text.empty()) {
    search.texts += text + L" ";
  }
  return TRUE;
}

bool waitFor(const char* what, const std::function<bool()>& ready, HANDLE process) {
  const ULONGLONG end = GetTickCount64() + kStepTimeoutMs;
  while (GetTickCount64() < end) {
    if (ready()) return true;
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
      std::printf("the wizard ended while waiting for %s\n", what);
      return false;
    }
    Sleep(50);
  }
  std::printf("no %s within %lu s\n", what, kStepTimeoutMs / 1000);
  return false;
}

// Clicks a button as the user would: the window it sits on gets the button's notification.
void click(HWND parent, HWND button) {
  PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool clickWhenEnabled(DWORD processId, HANDLE process, int32_t id, const char* name) {
  HWND main = nullptr;
  const bool ready = waitFor(name, [&] {
    ProcessWindows windows = windowsOf(processId);
    if (!windows.dialogs.empty()) return false;
    main = windows.main;
    return main != nullptr && IsWindowEnabled(GetDlgItem(main, id));
  }, process);
  if (!ready) return false;
  std::printf("click %s\n", name);
  click(main, GetDlgItem(main, id));
  return true;
}

bool answer(DWORD processId, HANDLE process, const wchar_t* caption) {
  ButtonSearch search;
  HWND dialog = nullptr;
  const std::string what = "a message box with " + narrow(caption);
  const bool ready = waitFor(what.c_str(), [&] {
    for (HWND candidate : windowsOf(processId).dialogs) {
      search = ButtonSearch{caption, nullptr, L""};
      EnumChildWindows(candidate, findButton, reinterpret_cast<LPARAM>(&search));
      if (search.button != nullptr) {
        dialog = candidate;
        return true;
      }
    }
    return false;
  }, process);
  if (!ready) return false;
  std::printf("answer %s to: %s\n", narrow(caption).c_str(), narrow(search.texts).c_str());
  click(dialog, search.button);
  return true;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 4) {
    std::printf("usage: zor-drive-wizard WIZARD_EXE GAME_FOLDER EXPORT_FILE\n");
    return 2;
  }
  std::wstring commandLine =
      L"\"" + std::wstring(arguments[1]) + L"\" -C \"" + arguments[2] + L"\" \"" + arguments[3] + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    std::printf("cannot start the wizard (error %lu)\n", GetLastError());
    return 1;
  }
  const DWORD id = started.dwProcessId;
  const HANDLE process = started.hProcess;
  const bool done = clickWhenEnabled(id, process, ui::kParseButton, "Parse Selection") &&
                    clickWhenEnabled(id, process, ui::kImportButton, "Import File") &&
                    answer(id, process, L"Yes") && answer(id, process, L"OK") &&
                    clickWhenEnabled(id, process, ui::kQuitButton, "Quit");
  if (!done || WaitForSingleObject(process, kStepTimeoutMs) != WAIT_OBJECT_0) {
    for (HWND dialog : windowsOf(id).dialogs) {
      ButtonSearch texts;
      EnumChildWindows(dialog, findButton, reinterpret_cast<LPARAM>(&texts));
      std::printf("open: %s %s\n", narrow(textOf(dialog)).c_str(), narrow(texts.texts).c_str());
    }
    TerminateProcess(process, 1);
    return 1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  std::printf("the wizard ended with %lu\n", code);
  return code == 0 ? 0 : 1;
}
