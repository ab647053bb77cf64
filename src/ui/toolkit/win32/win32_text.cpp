#include "ui/toolkit/win32/win32_text.h"

#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

namespace {

constexpr UINT kWindows1252 = 1252;

std::wstring toWide(UINT codePage, std::string_view text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string fromWide(UINT codePage, std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring wideFrom1252(std::string_view text) {
  return toWide(kWindows1252, text);
}

std::string cp1252FromWide(std::wstring_view text) {
  return fromWide(kWindows1252, text);
}

std::wstring wideFromUtf8(std::string_view path) {
  return toWide(CP_UTF8, path);
}

std::string utf8FromWide(std::wstring_view path) {
  return fromWide(CP_UTF8, path);
}

}  // namespace ui::toolkit
