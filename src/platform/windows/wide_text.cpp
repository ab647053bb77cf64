#include "platform/windows/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace platform::os {
namespace {

// Folders have a shorter limit than files: room is kept for the 8.3 name of a file in them.
constexpr size_t kClassicPathLimit = 248;

}  // namespace

std::wstring wideText(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string utf8Text(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr,
                        nullptr);
  return utf8;
}

std::wstring widePath(const std::string& native) {
  std::wstring wide = wideText(native);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  if (wide.size() < kClassicPathLimit || wide.starts_with(L"\\\\?\\")) return wide;
  const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return wide;
  full.resize(length);
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::string utf8Path(const std::wstring& wide) {
  std::wstring path = wide;
  if (path.starts_with(L"\\\\?\\UNC\\")) {
    path = L"\\\\" + path.substr(8);
  } else if (path.starts_with(L"\\\\?\\")) {
    path = path.substr(4);
  }
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return utf8Text(path);
}

}  // namespace platform::os
