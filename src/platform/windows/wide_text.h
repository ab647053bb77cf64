// The border between the program's UTF-8 paths and the UTF-16 of the Win32 calls.
#pragma once

#include <string>

namespace platform::os {

// A native path for the wide Win32 calls: backslashes, and the "\\?\" form for a path too long for
// the classic limit of 260 characters.
std::wstring widePath(const std::string& native);
std::wstring wideText(const std::string& utf8);
std::string utf8Text(const std::wstring& wide);
// A path as the system gives it (a full path of GetFullPathNameW, the working folder), in UTF-8 with
// '/' separators and without the "\\?\" prefix.
std::string utf8Path(const std::wstring& wide);

}  // namespace platform::os
