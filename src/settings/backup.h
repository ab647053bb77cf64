// Numbered backup generations of a file: file.bak1 is the newest, file.bak<keep> the oldest.
#pragma once

#include <cstdint>
#include <string_view>

namespace settings {

// Drops file.bak<keep>, moves every older generation up by one and renames the file itself to
// file.bak1; the file no longer exists afterwards. Does nothing when the file is missing.
void BACKUPFILE(std::string_view fileName, int32_t keep);

}  // namespace settings
