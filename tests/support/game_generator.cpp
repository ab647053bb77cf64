#include "support/game_generator.h"

#include <algorithm>
#include <array>
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

// A well-mixed value from a record number and a salt, so that every line of a record can pick its own
// words while the same record always gets the same ones.
uint32_t mixed(int32_t i, int32_t salt) {
  uint64_t x = (static_cast<uint64_t>(static_cast<uint32_t>(i)) << 32) | static_cast<uint32_t>(salt);
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return static_cast<uint32_t>(x ^ (x >> 31));
}

template <size_t N>
const char* pick(const std::array<const char*, N>& words, int32_t i, int32_t salt) {
  return words[mixed(i, salt) % N];
}

constexpr std::array<const char*, 24> kAdjectives = {
    "Iron",   "Crimson", "Savage",  "Golden",   "Silent", "Mad",      "Flying",    "Masked",
    "Raging", "Wild",    "Mighty",  "Dark",     "Cosmic", "Electric", "Notorious", "Brutal",
    "Rebel",  "Lone",    "Natural", "Immortal", "Frozen", "Blazing",  "Mexican",   "Nordic"};
constexpr std::array<const char*, 24> kNouns = {
    "Viper",    "Giant",    "Phenom", "Outlaw", "Samurai", "Dragon",  "Hurricane", "Titan",
    "Cobra",    "Warrior",  "Bull",   "Legend", "Hitman",  "Phantom", "Gladiator", "Wolf",
    "Scorpion", "Assassin", "Cowboy", "Sheik",  "Rocket",  "Bulldog", "Monster",   "Prodigy"};
// Code page 1252; the text lines written in code page 437 are converted with cp437().
constexpr std::array<const char*, 24> kHometowns = {
    "Duluth, Minnesota",         "Parts Unknown",       "Death Valley",        "Calgary, Alberta",
    "M\xFCnchen, Germany",       "Tokyo, Japan",        "Mexico City, Mexico", "San Antonio, Texas",
    "Trois-Rivi\xE8res, Canada", "Manchester, England", "Brooklyn, New York",  "Charlotte, North Carolina",
    "Z\xFCrich, Switzerland",    "Osaka, Japan",        "Tijuana, Mexico",     "The Isle of Samoa",
    "Boston, Massachusetts",     "Detroit, Michigan",   "Sydney, Australia",   "Glasgow, Scotland",
    "Memphis, Tennessee",        "Bogot\xE1, Colombia", "Winnipeg, Manitoba",  "Stamford, Connecticut"};
constexpr std::array<const char*, 16> kStyles = {
    "Brawler",       "High-flyer",  "Technician", "Powerhouse",        "Submission specialist",
    "Striker",       "Luchador",    "Showman",    "Hardcore brawler",  "Strong style",
    "Cruiserweight", "All-rounder", "Giant",      "Technical brawler", "Martial artist",
    "Daredevil"};
constexpr std::array<const char*, 20> kFinishers = {"a spinning heel kick",
                                                    "a top-rope elbow drop",
                                                    "a sitout powerbomb",
                                                    "a shooting star press",
                                                    "a sharpshooter",
                                                    "a piledriver",
                                                    "a running knee strike",
                                                    "a corkscrew moonsault",
                                                    "a double underhook suplex",
                                                    "a superkick",
                                                    "a cobra clutch",
                                                    "a frog splash",
                                                    "a lariat",
                                                    "a brainbuster",
                                                    "a diving headbutt",
                                                    "a German suplex",
                                                    "an ankle lock",
                                                    "a last ride",
                                                    "a tiger driver",
                                                    "a sleeper hold"};
constexpr std::array<const char*, 16> kEntrances = {"Walks out to pyro and a guitar riff",
                                                    "Rides a motorcycle down the ramp",
                                                    "Slowly marches to the ring in the dark",
                                                    "Sprints to the ring and slides in",
                                                    "Poses on every turnbuckle",
                                                    "Comes out through the crowd",
                                                    "Enters draped in the national flag",
                                                    "Bows to the four corners of the ring",
                                                    "Arrives in a stretch limousine",
                                                    "Throws a cowboy hat into the crowd",
                                                    "Stops halfway down the aisle to taunt",
                                                    "Appears in a cloud of smoke",
                                                    "Dances down the ramp with the fans",
                                                    "Stares down the front row",
                                                    "Climbs the ropes and raises the belt",
                                                    "Walks out flanked by an entourage"};
// "#" stands for the wrestler's nickname noun.
constexpr std::array<const char*, 16> kCatchphrases = {"Nobody walks away from the #!",
                                                       "Rest in peace!",
                                                       "Feel the power of the #!",
                                                       "You can't see me!",
                                                       "Believe in the #!",
                                                       "It's my time now!",
                                                       "Oh yeah, dig it!",
                                                       "Bow to the #!",
                                                       "That's the bottom line!",
                                                       "Ring the bell!",
                                                       "The # never sleeps!",
                                                       "Just bring it!",
                                                       "Whatcha gonna do?",
                                                       "Fear the #!",
                                                       "Respect the #!",
                                                       "One more match!"};
constexpr std::array<const char*, 8> kDivisions = {
    "Heavyweight", "Light Heavyweight",  "Cruiserweight",     "Tag Team",
    "Women",       "Junior Heavyweight", "Super Heavyweight", "Hardcore"};
constexpr std::array<const char*, 4> kAlignments = {"Face", "Heel", "Tweener", "Face"};
constexpr std::array<const char*, 12> kNotes = {
    "Former world champion",      "Trained at the Hart dungeon", "Debuted in 1995",
    "Rookie of the year",         "Holds the longest reign",     "Signed from the independents",
    "Part-time competitor",       "Returned from injury",        "Veteran of the Japan tours",
    "Undefeated in cage matches", "Second-generation wrestler",  "Trained in Mexico"};

std::string flagsLine68(int32_t i) {
  return numberLine(packBits({{5, i % 8}, {9, 1}}));
}
std::string colourLine93(int32_t i) {
  return "FF00" + numbered("%02X", i % 256);
}
std::string colourLine94(int32_t i) {
  return numbered("00FF00|%d", i);
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

WrestlerExtraMoves generatedWrestlerExtraMoves(int32_t i, const GeneratedSizes& sizes) {
  WrestlerExtraMoves moves{};
  for (size_t k = 0; k < moves.size(); ++k) {
    const uint32_t value = mixed(i, 100 + static_cast<int32_t>(k));
    // About a quarter of the slots stay empty; an empty line 72 is mostly written as -1.
    if (value % 4 == 0) {
      moves[k] = k == 8 && value % 3 != 0 ? -1 : 0;
    } else {
      moves[k] = static_cast<int32_t>(value / 4 % static_cast<uint32_t>(sizes.moves)) + 1;
    }
  }
  return moves;
}

void fillGeneratedWrestlerLines(WrestlerSpec& record, int32_t i, const WrestlerExtraMoves& moves) {
  auto number = [&](int32_t salt, int32_t range) {
    return static_cast<int64_t>(mixed(i, salt) % static_cast<uint32_t>(range));
  };
  const std::string nickname = std::string(pick(kAdjectives, i, 1)) + " " + pick(kNouns, i, 2);
  std::string catchphrase = pick(kCatchphrases, i, 3);
  if (const size_t at = catchphrase.find('#'); at != std::string::npos) {
    catchphrase.replace(at, 1, pick(kNouns, i, 2));
  }
  LineOverrides& lines = record.lines;

  lines[53] = cp437("The " + nickname);
  lines[54] = numberLine(packBits({{0, moves[0]}, {16, number(4, 2)}}));
  lines[55] = numberLine(packBits({{0, moves[1]}, {16, moves[2]}}));
  lines[56] = numberLine(moves[3]);
  lines[57] = numberLine(165 + number(5, 50));  // height in cm
  lines[58] = numberLine(70 + number(6, 110));  // weight in kg
  lines[59] = numberLine(number(7, 100));
  lines[60] = cp437((number(8, 20) == 0 ? "[" : "") + std::string(pick(kHometowns, i, 9)));
  lines[65] = numberLine(number(10, 100));
  lines[66] = numberLine(moves[4]);
  lines[67] = numberLine(number(11, 10));
  lines[68] = flagsLine68(i);
  lines[69] = numberLine(moves[5]);
  lines[70] = numberLine(number(12, 1 << 28));
  lines[71] = numberLine(packBits({{0, moves[6]}, {16, moves[7]}}));
  lines[72] = numberLine(moves[8]);
  lines[73] = cp437("Finishes with " + std::string(pick(kFinishers, i, 13)));
  lines[74] = cp437(pick(kEntrances, i, 14));
  lines[75] = numberLine(moves[9]);
  lines[76] = numberLine(moves[10]);
  lines[77] = numberLine(moves[11]);
  lines[78] = cp437(catchphrase);
  lines[80] = cp437(std::string(pick(kStyles, i, 15)) + " from " + pick(kHometowns, i, 9));
  lines[81] = pick(kDivisions, i, 16);
  lines[82] = pick(kAlignments, i, 17);
  record.mediaPath = numbered("pics\\w%05d.jpg", i);
  lines[89] = numberLine(number(18, 3));
  lines[90] = numberLine(number(19, 1 << 10));
  lines[91] = numbered("graphics\\w%05d.bmp", i);
  lines[92] = numbered("sounds\\theme%05d.wav", i);
  lines[93] = colourLine93(i);
  lines[94] = colourLine94(i);
  lines[96] = numberLine(number(20, 1000));
  lines[97] = numberLine(number(21, 50));
  lines[98] = pick(kNotes, i, 22);
  // Read and ignored by the program, carried over on import.
  for (int32_t line = 99; line <= 120; ++line) lines[line] = numberLine(number(1000 + line, 200));
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
    spec.lines[68] = flagsLine68(i);
    spec.lines[93] = colourLine93(i);
    spec.lines[94] = colourLine94(i);
    if (sizes.fullWrestlerLines) fillGeneratedWrestlerLines(spec, i, generatedWrestlerExtraMoves(i, sizes));
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
