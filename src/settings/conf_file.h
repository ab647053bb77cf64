// The game's key/value settings files: lines of key "=" value, looked up and updated one setting at
// a time. Lines beginning with "_" are scrambled; values beginning with "[HEX#]" are hexadecimal.
// Every call opens, uses and closes its files; nothing is cached.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace settings {

// The working file of PUTCONFSETTING, in the current directory.
inline constexpr std::string_view kTempSettingsFile = "temptemp.cnf";

// The value of the first setting named `key` (letter case ignored), hexadecimal values decoded;
// "" when there is none. A missing file is created empty.
std::string GETCONFSETTING(std::string_view fileName, std::string_view key);
// The same lookup without creating a missing file, which holds no setting: for a file in a folder that
// cannot be written to, where the creation would only fail.
std::string readConfSetting(std::string_view fileName, std::string_view key);
// Sets every setting named `key` to `value` (trimmed), or appends key "=" value when there is none.
// The whole file is rewritten trimmed and unscrambled. The new version replaces the file only once
// it is completely on disk: when anything fails, the file keeps its old content and the failure is
// reported.
void PUTCONFSETTING(std::string_view fileName, std::string_view key, std::string_view value);

// Scrambles (encode non-zero) or unscrambles (encode 0) one line.
std::string QUICKCRYPT(std::string_view text, int32_t encode);
// direction +1 scrambles a line that does not begin with "_" into "_" and the scrambled bytes;
// -1 unscrambles a line that begins with "_". Any other line comes back unchanged.
std::string QUICKCRYPTCORE(std::string_view text, int32_t direction);
// The bytes named by two-digit hexadecimal codes, with or without the "[HEX#]" marker. A last odd
// digit is ignored; a pair is read up to its first non-hexadecimal character.
std::string HEXDECODE(std::string_view text);

}  // namespace settings
