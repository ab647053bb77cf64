#include "support/game_generator.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace testsupport {

namespace {

std::string numbered(const char* format, int32_t i) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, i);
  return buffer;
}

std::string abbreviation(const std::string& name) {
  return name.substr(0, 2) + name.substr(name.size() - std::min<size_t>(2, name.size()));
}

// Appends a record's lines to a growing file text.
void append(std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
}

template <class Make>
void writeKind(GameFolder& folder, std::string_view name, int32_t count, Make make) {
  std::string text = numberLine(count) + "\r\n";
  for (int32_t i = 1; i <= count; ++i) append(text, make(i));
  folder.writeBytes("data/" + std::string(name), text);
}

}  // namespace

std::string generatedWrestlerName(int32_t i) {
  return numbered(i % 10 == 0 ? "M\xFCller %05d" : "Wrestler %05d", i);
}
std::string generatedWrestlerAltName(int32_t i) {
  return numbered("W%d", i);
}
bool generatedWrestlerDeleted(int32_t i) {
  return i % 97 == 0;
}
int32_t generatedMoveListCount(int32_t i) {
  return 10 + i % 41;
}
int32_t generatedWrestlerMove(int32_t i, int32_t slot, const GeneratedSizes& sizes) {
  if (slot > generatedMoveListCount(i)) return 0;
  return (i * 7 + slot * 13) % sizes.moves + 1;
}
int32_t generatedWrestlerManager(int32_t i, const GeneratedSizes& sizes) {
  return i % sizes.managers + 1;
}
int32_t generatedWrestlerDive(int32_t i, const GeneratedSizes& sizes) {
  return i % sizes.dives + 1;
}

std::string generatedMoveLine(int32_t i) {
  switch (i % 3) {
    case 0:
      return numbered("the Move %d", i);
    case 1:
      return numbered("an Elbow %d", i);
    default:
      return numbered("Move %d", i);
  }
}
std::string generatedMoveListName(int32_t i) {
  return i % 3 == 1 ? numbered("Elbow %d", i) : numbered("Move %d", i);
}
bool generatedMoveDeleted(int32_t i) {
  return i % 50 == 0;
}
std::string generatedDiveLine(int32_t i) {
  return numbered(i % 2 ? "a Dive %d" : "Dive %d", i);
}

int32_t generatedTeamMember(int32_t i, int32_t member, const GeneratedSizes& sizes) {
  return (2 * i - 2 + member - 1) % sizes.wrestlers + 1;
}
std::string generatedTeamName(int32_t i) {
  return i % 2 ? numbered("Team %d", i) : std::string();
}
int32_t generatedTeamFirstMove(int32_t i, const GeneratedSizes& sizes) {
  return i % sizes.moves + 1;
}

std::string generatedManagerName(int32_t i) {
  return numbered("Manager %d", i);
}

void writeGeneratedDatabase(GameFolder& folder, const GeneratedSizes& sizes) {
  writeKind(folder, "wrestlrs.dat", sizes.wrestlers, [&](int32_t i) {
    WrestlerSpec spec;
    spec.name = cp437(generatedWrestlerName(i));
    spec.altName = generatedWrestlerAltName(i);
    for (int32_t slot = 1; slot <= 50; ++slot) spec.moves.push_back(generatedWrestlerMove(i, slot, sizes));
    spec.managers[0] = generatedWrestlerManager(i, sizes);
    spec.dives[0] = generatedWrestlerDive(i, sizes);
    spec.number79 = i % 2;
    spec.deleted = generatedWrestlerDeleted(i);
    spec.lines[68] = numberLine(packBits({{5, i % 8}, {9, 1}}));
    spec.lines[93] = "FF00" + numbered("%02X", i % 256);
    spec.lines[94] = numbered("00FF00|%d", i);
    return spec.toLines();
  });
  writeKind(folder, "moves.dat", sizes.moves, [&](int32_t i) {
    MoveSpec spec;
    spec.name = generatedMoveLine(i);
    spec.deleted = generatedMoveDeleted(i);
    spec.lines[3] = numberLine(packBits({{0, i % sizes.moves + 1}, {16, 1}}));
    spec.lines[7] = numberLine(packBits({{0, i % 4095 + 1}, {12, (i + 1) % 4095 + 1}}));
    return spec.toLines();
  });
  writeKind(folder, "dives.dat", sizes.dives, [&](int32_t i) {
    DiveSpec spec;
    spec.name = generatedDiveLine(i);
    spec.lines[3] = numberLine(i % sizes.moves + 1);
    return spec.toLines();
  });
  writeKind(folder, "managers.dat", sizes.managers, [&](int32_t i) {
    ManagerSpec spec;
    spec.name = generatedManagerName(i);
    spec.packed3 = packBits({{0, i % 2}, {1, i % 16}});
    return spec.toLines();
  });
  writeKind(folder, "teams.dat", sizes.teams, [&](int32_t i) {
    TeamSpec spec;
    spec.member1 = cp437(generatedWrestlerName(generatedTeamMember(i, 1, sizes)));
    spec.member2 = cp437(generatedWrestlerName(generatedTeamMember(i, 2, sizes)));
    spec.name = generatedTeamName(i);
    spec.moveText = "!" + std::to_string(generatedTeamFirstMove(i, sizes)) + "-" + std::to_string(i) + "/" +
                    abbreviation(generatedWrestlerName(generatedTeamMember(i, 1, sizes)));
    return spec.toLines();
  });
  writeKind(folder, "stables.dat", sizes.stables, [&](int32_t i) {
    StableSpec spec;
    spec.name = numbered("Stable %d", i);
    for (int32_t m = 0; m < i % 7; ++m) spec.members.push_back((i + m) % sizes.wrestlers + 1);
    spec.leaders = {i % sizes.wrestlers + 1, 0, 0, 0};
    return spec.toLines();
  });
  writeKind(folder, "objects.dat", sizes.objects, [&](int32_t i) {
    ObjectSpec spec;
    spec.name = numbered("a Chair %d", i);
    spec.values[0] = i;
    return spec.toLines();
  });
  writeKind(folder, "gimmicks.dat", sizes.gimmicks, [&](int32_t i) {
    GimmickSpec spec;
    spec.name = numbered("Gimmick %d", i);
    spec.packed3 = i;
    return spec.toLines();
  });
  writeKind(folder, "referees.def", sizes.referees, [&](int32_t i) {
    RefereeSpec spec;
    spec.name = numbered("Referee %d", i);
    spec.packed2 = i % 16;
    return spec.toLines();
  });

  std::vector<std::string> crowd;
  std::vector<std::string> womenCrowd;
  for (int32_t i = 1; i <= sizes.crowdLines; ++i) {
    int32_t wrestler = (i * 37) % sizes.wrestlers + 1;
    std::string line = generatedWrestlerAltName(wrestler) + (i % 2 ? "_Face" : "_Heel") + "=Go " +
                       std::to_string(i) + "!|Boo " + std::to_string(i);
    crowd.push_back(i % 2 ? scrambleLine(line) : line);
    womenCrowd.push_back(generatedWrestlerAltName(wrestler) + "_*=Cheer " + std::to_string(i));
  }
  folder.writeLines("data/crowd.cnf", crowd);
  folder.writeLines("data/wcrowd.cnf", womenCrowd);
  folder.writeMediaPaths(
      {generatedWrestlerAltName(1) + "=t:\\media\\theme1.wav|x", "Team 1=t:\\media\\team1.wav"});
  folder.writeSettings({"VersionNormalize=1"});
}

}  // namespace testsupport
