#include "ui/toolkit/win32/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>

#include "ui/toolkit/file_filters.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

// Room for the names of many files chosen at once.
constexpr size_t kResultRoom = 1 << 20;

std::wstring withBackslashes(std::string_view path) {
  std::wstring wide = wideFromUtf8(path);
  for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
  return wide;
}

int CALLBACK startFolder(HWND window, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED && folder != 0) SendMessageW(window, BFFM_SETSELECTIONW, TRUE, folder);
  return 0;
}

}  // namespace

std::vector<std::string> chooseFiles(const FileDialog& dialog, HWND owner) {
  std::wstring filters;
  for (const FileFilter& entry : fileFilters(dialog.filter)) {
    filters += wideFrom1252(entry.name) + L'\0' + wideFrom1252(entry.patterns) + L'\0';
  }
  filters += L'\0';
  std::wstring result(kResultRoom, L'\0');
  std::wstring initialFolder;
  if (!dialog.initialFile.empty()) {
    const std::wstring initial = withBackslashes(dialog.initialFile);
    const size_t slash = initial.find_last_of(L'\\');
    initialFolder = slash == std::wstring::npos ? std::wstring() : initial.substr(0, slash);
    const std::wstring name = slash == std::wstring::npos ? initial : initial.substr(slash + 1);
    std::copy(name.begin(), name.end(), result.begin());
  }
  const std::wstring title = wideFrom1252(dialog.title);
  OPENFILENAMEW choice{};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = owner;
  choice.lpstrFilter = filters.size() > 1 ? filters.c_str() : nullptr;
  choice.lpstrFile = result.data();
  choice.nMaxFile = static_cast<DWORD>(result.size());
  choice.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  choice.lpstrTitle = title.c_str();
  // The game folder stays the working folder, whatever folder the user goes to.
  choice.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                 OFN_LONGNAMES | (dialog.several ? OFN_ALLOWMULTISELECT : 0);
  std::vector<std::string> paths;
  if (!GetOpenFileNameW(&choice)) return paths;
  // One file: its path. Several: the folder, then each name, each ending in a zero.
  const std::wstring first(result.c_str());
  const wchar_t* next = result.c_str() + first.size() + 1;
  if (!dialog.several || *next == L'\0') {
    paths.push_back(utf8FromWide(first));
    return paths;
  }
  while (*next != L'\0') {
    const std::wstring name(next);
    paths.push_back(utf8FromWide(first + L"\\" + name));
    next += name.size() + 1;
  }
  return paths;
}

std::vector<std::string> chooseFolders(std::string_view title, std::string_view initialFolder, HWND owner) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring heading = wideFrom1252(title);
  const std::wstring start = withBackslashes(initialFolder);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = heading.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = startFolder;
  browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  std::vector<std::string> paths;
  if (PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse)) {
    std::wstring path(MAX_PATH * 64, L'\0');
    if (SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) {
      path.resize(wcslen(path.c_str()));
      paths.push_back(utf8FromWide(path));
    }
    CoTaskMemFree(chosen);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return paths;
}

}  // namespace ui::toolkit
