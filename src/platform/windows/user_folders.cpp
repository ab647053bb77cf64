#include "platform/user_folders.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

namespace platform {

std::string userSettingsFolder() {
  const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (size <= 1) return "";
  std::wstring folder(size, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", folder.data(), size);
  if (length == 0 || length >= size) return "";
  folder.resize(length);
  return os::utf8Text(folder);
}

}  // namespace platform
