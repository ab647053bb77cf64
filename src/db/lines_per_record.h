// How many lines one record of each kind takes in the game's record files and in export files.
#pragma once

namespace db {

inline constexpr int kWrestlerLines = 120;
inline constexpr int kTeamLines = 10;
inline constexpr int kMoveLines = 27;
inline constexpr int kManagerLines = 10;
inline constexpr int kDiveLines = 10;

}  // namespace db
