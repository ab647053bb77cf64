// Builders of the game's database records for tests: each record kind as a small struct with the
// fields tests usually care about (sensible defaults for the rest) and `lines`, which sets any line by
// its 1-based number and wins over the fields. toLines() gives the record's lines in file order.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

using LineOverrides = std::map<int, std::string>;

// A number as the game writes it on a line of its own: sign position (blank or "-"), digits, blank.
std::string numberLine(int64_t value);
// A packed number: each (first bit, value) pair shifted into place and combined.
int64_t packBits(std::initializer_list<std::pair<int, int64_t>> fields);
// The 26 accented letters of a Windows-1252 text in their code page 437 bytes (every other byte
// unchanged), as the game's files hold names.
std::string cp437(std::string_view text1252);
// A settings line as the game scrambles it: "_" and the shifted bytes.
std::string scrambleLine(std::string_view line);

struct WrestlerSpec {
  std::string name = "Wrestler";  // code page 437 bytes
  std::string altName;
  std::vector<int32_t> moves;  // lines 3.. in order (zeros kept), at most 50
  std::array<int32_t, 4> managers{};
  std::array<int32_t, 5> dives{};
  std::string mediaPath;
  int32_t number79 = 0;
  bool deleted = false;
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 120 lines
};

struct MoveSpec {
  std::string name = "a Move";
  bool deleted = false;
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 27 lines
};

struct DiveSpec {
  std::string name = "a Dive";
  bool deleted = false;
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 10 lines
};

struct TeamSpec {
  std::string member1 = "Member One";
  std::string member2 = "Member Two";
  std::string name;
  std::string moveText;
  std::string mediaPath;
  bool deleted = false;
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 10 lines
};

struct ManagerSpec {
  std::string name = "Manager";
  std::string name2;
  int64_t packed3 = 0;
  bool deleted = false;
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 10 lines
};

struct StableSpec {
  std::string name = "Stable";
  std::vector<int32_t> members;
  std::optional<int64_t> memberCountLine;  // written instead of members.size() when set
  std::array<int32_t, 4> leaders{};
  std::string mediaPath;
  bool deleted = false;
  std::vector<std::string> toLines() const;  // 23 + members lines
};

struct ObjectSpec {
  std::string name = "a Chair";
  std::array<int32_t, 20> values{};
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 40 lines
};

struct GimmickSpec {
  std::string name = "Cage Match";
  std::string text2;
  int64_t packed3 = 0;
  LineOverrides lines;
  std::vector<std::string> toLines() const;  // 7 lines
};

struct RefereeSpec {
  std::string name = "Referee";
  int64_t packed2 = 0;
  int32_t value = 0;
  bool deleted = false;
  std::vector<std::string> toLines() const;  // 5 lines
};

// Records with the fields tests state most often; the others keep their defaults.
WrestlerSpec wrestlerSpec(std::string name, std::string altName = "", std::string mediaPath = "");
MoveSpec moveSpec(std::string name);
DiveSpec diveSpec(std::string name);
TeamSpec teamSpec(std::string member1, std::string member2, std::string name = "", std::string moveText = "",
                  std::string mediaPath = "");
ManagerSpec managerSpec(std::string name, std::string name2 = "", int64_t packed3 = 0);
StableSpec stableSpec(std::string name, std::vector<int32_t> members = {},
                      std::array<int32_t, 4> leaders = {}, std::string mediaPath = "");
ObjectSpec objectSpec(std::string name);
GimmickSpec gimmickSpec(std::string name, std::string text2 = "", int64_t packed3 = 0);
RefereeSpec refereeSpec(std::string name, int64_t packed2 = 0, int32_t value = 0);
// The same record marked deleted.
template <class Spec>
Spec deletedSpec(Spec spec) {
  spec.deleted = true;
  return spec;
}

}  // namespace testsupport
