// Texts at the Win32 border: the program's Windows-1252 texts and UTF-8 paths as UTF-16, and back.
#pragma once

#include <string>
#include <string_view>

namespace ui::toolkit {

std::wstring wideFrom1252(std::string_view text);
std::string cp1252FromWide(std::wstring_view text);
std::wstring wideFromUtf8(std::string_view path);
std::string utf8FromWide(std::wstring_view path);

}  // namespace ui::toolkit
