#pragma once

namespace cli {

inline constexpr int kExitDone = 0;
// The file could not be imported (not an export, corrupt, cannot be opened, an I/O failure); the
// database is as it was.
inline constexpr int kExitFailed = 1;
// The arguments are wrong; nothing was written.
inline constexpr int kExitUsage = 2;

}  // namespace cli
