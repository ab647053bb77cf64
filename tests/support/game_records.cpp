#include "support/game_records.h"

#include <cstdio>
#include <utility>

namespace testsupport {

namespace {

// Applies the overrides to lines numbered from 1.
std::vector<std::string> withOverrides(std::vector<std::string> lines, const LineOverrides& overrides) {
  for (const auto& [number, text] : overrides) {
    if (number >= 1 && number <= static_cast<int>(lines.size())) lines[number - 1] = text;
  }
  return lines;
}

std::string flag(bool value) {
  return numberLine(value ? 1 : 0);
}

}  // namespace

std::string numberLine(int64_t value) {
  return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value) + " ";
}

int64_t packBits(std::initializer_list<std::pair<int, int64_t>> fields) {
  uint64_t packed = 0;
  for (const auto& [first, value] : fields) packed |= static_cast<uint64_t>(value) << first;
  return static_cast<int64_t>(packed);
}

std::string cp437(std::string_view text1252) {
  static constexpr std::string_view kFrom =
      "\xE4\xF6\xFC\xDF\xE1\xE0\xE2\xE9\xE8\xEA\xED\xEC\xEE\xF3\xF2\xF4\xFA\xF9\xFB\xC4\xD6\xDC\xC9\xC7\xE7"
      "\xD1\xE5\xEB\xEF\xC5\xE6\xC6\xFF\xF1\x83\xAA\xBA\xB5";
  static constexpr std::string_view kTo =
      "\x84\x94\x81\xE1\xA0\x85\x83\x82\x8A\x88\xA1\x8D\x8C\xA2\x95\x93\xA3\x97\x96\x8E\x99\x9A\x90\x80\x87"
      "\xA5\x86\x89\x8B\x8F\x91\x92\x98\xA4\x9F\xA6\xA7\xE6";
  std::string result(text1252);
  for (char& c : result) {
    size_t at = kFrom.find(c);
    if (at != std::string_view::npos) c = kTo[at];
  }
  return result;
}

std::string scrambleLine(std::string_view line) {
  const int64_t n = static_cast<int64_t>(line.size());
  std::string result = "_";
  for (int64_t i = 1; i <= n; ++i) {
    int shift = static_cast<int>((i * i + i - 1 + n) % 7);
    result += static_cast<char>((static_cast<unsigned char>(line[i - 1]) + shift) % 256);
  }
  return result;
}

std::vector<std::string> WrestlerSpec::toLines() const {
  std::vector<std::string> lines(120, numberLine(0));
  lines[0] = name;
  lines[1] = altName;
  for (size_t i = 0; i < moves.size() && i < 50; ++i) lines[2 + i] = numberLine(moves[i]);
  for (int line : {53, 60, 73, 74, 78, 80, 81, 82, 83, 91, 92, 93, 94, 98}) lines[line - 1] = "";
  for (int i = 0; i < 4; ++i) lines[60 + i] = numberLine(managers[i]);
  lines[78] = numberLine(number79);
  lines[82] = mediaPath;
  for (int i = 0; i < 5; ++i) lines[83 + i] = numberLine(dives[i]);
  lines[94] = flag(deleted);
  for (int line = 99; line <= 120; ++line) lines[line - 1] = "";
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> MoveSpec::toLines() const {
  std::vector<std::string> lines(27, numberLine(0));
  lines[0] = name;
  lines[15] = flag(deleted);
  for (int line = 17; line <= 27; ++line) lines[line - 1] = "";
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> DiveSpec::toLines() const {
  std::vector<std::string> lines(10, numberLine(0));
  lines[0] = name;
  lines[6] = flag(deleted);
  for (int line = 8; line <= 10; ++line) lines[line - 1] = "";
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> TeamSpec::toLines() const {
  std::vector<std::string> lines = {member1,       member2, name, moveText, mediaPath,
                                    flag(deleted), "",      "",   "",       ""};
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> ManagerSpec::toLines() const {
  std::vector<std::string> lines = {name, name2, numberLine(packed3), flag(deleted), "", "", "", "", "", ""};
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> StableSpec::toLines() const {
  std::vector<std::string> lines = {
      name, numberLine(memberCountLine.value_or(static_cast<int64_t>(members.size())))};
  for (int32_t member : members) lines.push_back(numberLine(member));
  for (int32_t leader : leaders) lines.push_back(numberLine(leader));
  lines.push_back(mediaPath);
  lines.push_back(flag(deleted));
  lines.resize(lines.size() + 15);
  return lines;
}

std::vector<std::string> ObjectSpec::toLines() const {
  std::vector<std::string> lines = {name};
  for (int32_t value : values) lines.push_back(numberLine(value));
  lines.resize(40);
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> GimmickSpec::toLines() const {
  std::vector<std::string> lines = {name, text2, numberLine(packed3), "", "", "", ""};
  return withOverrides(std::move(lines), this->lines);
}

std::vector<std::string> RefereeSpec::toLines() const {
  return {name, numberLine(packed2), numberLine(value), flag(deleted), ""};
}

WrestlerSpec wrestlerSpec(std::string name, std::string altName, std::string mediaPath) {
  WrestlerSpec spec;
  spec.name = std::move(name);
  spec.altName = std::move(altName);
  spec.mediaPath = std::move(mediaPath);
  return spec;
}

MoveSpec moveSpec(std::string name) {
  MoveSpec spec;
  spec.name = std::move(name);
  return spec;
}

DiveSpec diveSpec(std::string name) {
  DiveSpec spec;
  spec.name = std::move(name);
  return spec;
}

TeamSpec teamSpec(std::string member1, std::string member2, std::string name, std::string moveText,
                  std::string mediaPath) {
  TeamSpec spec;
  spec.member1 = std::move(member1);
  spec.member2 = std::move(member2);
  spec.name = std::move(name);
  spec.moveText = std::move(moveText);
  spec.mediaPath = std::move(mediaPath);
  return spec;
}

ManagerSpec managerSpec(std::string name, std::string name2, int64_t packed3) {
  ManagerSpec spec;
  spec.name = std::move(name);
  spec.name2 = std::move(name2);
  spec.packed3 = packed3;
  return spec;
}

StableSpec stableSpec(std::string name, std::vector<int32_t> members, std::array<int32_t, 4> leaders,
                      std::string mediaPath) {
  StableSpec spec;
  spec.name = std::move(name);
  spec.members = std::move(members);
  spec.leaders = leaders;
  spec.mediaPath = std::move(mediaPath);
  return spec;
}

ObjectSpec objectSpec(std::string name) {
  ObjectSpec spec;
  spec.name = std::move(name);
  return spec;
}

GimmickSpec gimmickSpec(std::string name, std::string text2, int64_t packed3) {
  GimmickSpec spec;
  spec.name = std::move(name);
  spec.text2 = std::move(text2);
  spec.packed3 = packed3;
  return spec;
}

RefereeSpec refereeSpec(std::string name, int64_t packed2, int32_t value) {
  RefereeSpec spec;
  spec.name = std::move(name);
  spec.packed2 = packed2;
  spec.value = value;
  return spec;
}

}  // namespace testsupport
