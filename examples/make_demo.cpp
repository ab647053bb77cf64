// zor-make-demo OUTPUT_DIR: writes the demo data that the wizard is tried out on.
//
//   OUTPUT_DIR/demo-game/  a small, complete game folder (data/*.dat, referees.def, crowd.cnf, zor.inf,
//                          and zor.cnf in the folder itself)
//   OUTPUT_DIR/exports/    wrestler exports (enciphered and plain), a second wrestler export for the
//                          batch import, an object export and a gimmick-match export
//
// Every name and value is invented. The output is the same, byte for byte, on every run: the key
// material of the enciphered exports comes from fixed seeds and their header fields are fixed.
// Earlier contents of the two folders are removed first, so leftovers of a trial import go too.

#include <array>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/text.h"
#include "support/export_writer.h"
#include "support/game_folder.h"
#include "support/game_records.h"

namespace {

namespace fs = std::filesystem;
using testsupport::numberLine;
using testsupport::packBits;
using Lines = std::vector<std::string>;

// A UTF-8 text of this file as the game's files hold it: code page 437.
std::string dos(std::string_view utf8) {
  return testsupport::cp437(platform::cp1252FromUtf8(utf8));
}

// A stable hash of a name, from which the records' filler values follow.
uint32_t nameHash(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  return hash;
}

int32_t pick(std::string_view name, uint32_t salt, int32_t low, int32_t high) {
  const uint32_t mixed = (nameHash(name) ^ (salt * 2654435761u)) * 2246822519u;
  return low + static_cast<int32_t>((mixed >> 8) % static_cast<uint32_t>(high - low + 1));
}

void append(Lines& to, const Lines& from) {
  to.insert(to.end(), from.begin(), from.end());
}

// ---------------------------------------------------------------------------------------------------
// Record definitions. Every reference is a record number of the database the record belongs to: the
// demo game's own numbers for the game's files, the exporting database's numbers inside an export.

struct MoveDef {
  int32_t number = 0;                // record number in its database (line 0 of an exported move)
  std::string name;                  // line 1 as written, article included
  int32_t line3 = 0;                 // move reference, bits 0-15
  int32_t line6A = 0;                // move reference, bits 7-17
  int32_t line6B = 0;                // move reference, bits 18-31
  std::vector<int32_t> followUps{};  // lines 7..15, two 12-bit references per line
};

struct DiveDef {
  int32_t number = 0;
  std::string name;
  int32_t line3 = 0;  // move reference, bits 0-15
  int32_t line6 = 0;  // move reference, bits 7-17
};

struct ManagerDef {
  int32_t number = 0;
  std::string name;  // UTF-8 here, code page 437 in the file
  std::string name2{};
};

struct TeamDef {
  std::string member1;
  std::string member2;
  std::string name;
  std::string moveText;
};

struct WrestlerDef {
  std::string name;  // UTF-8 here, code page 437 in the file
  std::string altName{};
  bool female = false;
  std::vector<int32_t> moves{};  // lines 3..52, the rest 0
  int32_t line54 = 0;
  std::array<int32_t, 2> line55{};  // bits 0-15, bits 16-31
  int32_t line56 = 0;
  int32_t line66 = 0;
  int32_t line69 = 0;
  std::array<int32_t, 2> line71{};  // bits 0-15, bits 16-31
  int32_t line72 = -1;              // -1: unset
  std::array<int32_t, 3> lines75{};
  std::array<int32_t, 4> managers{};
  std::array<int32_t, 5> dives{};
  std::string hometown{};
  std::string nickname{};
};

// ---------------------------------------------------------------------------------------------------
// Record lines.

Lines moveLines(const MoveDef& move) {
  const std::string& n = move.name;
  testsupport::MoveSpec spec;
  spec.name = n;
  auto& l = spec.lines;
  l[2] = numberLine(packBits({{0, pick(n, 1, 10, 95)}, {10, pick(n, 2, 0, 4) == 0}}));
  l[3] = numberLine(packBits({{0, move.line3}, {16, pick(n, 3, 0, 2) == 0}, {17, pick(n, 4, 0, 6) == 0}}));
  l[4] = numberLine(packBits({{pick(n, 5, 0, 7), 1}, {pick(n, 6, 8, 14), 1}, {20, pick(n, 7, 0, 1)}}));
  l[5] = numberLine(packBits({{0, pick(n, 8, 1, 9)}, {4, pick(n, 9, 0, 3)}}));
  l[6] = numberLine(packBits({{0, pick(n, 10, 1, 40)}, {7, move.line6A}, {18, move.line6B}}));
  for (size_t i = 0; i < move.followUps.size(); i += 2) {
    const int32_t second = i + 1 < move.followUps.size() ? move.followUps[i + 1] : 0;
    l[7 + static_cast<int>(i / 2)] = numberLine(packBits({{0, move.followUps[i]}, {12, second}}));
  }
  return spec.toLines();
}

Lines diveLines(const DiveDef& dive) {
  const std::string& n = dive.name;
  testsupport::DiveSpec spec;
  spec.name = n;
  auto& l = spec.lines;
  l[2] = numberLine(pick(n, 1, 10, 95));
  l[3] = numberLine(dive.line3);
  l[4] = numberLine(packBits({{0, 1}, {7, pick(n, 2, 0, 1)}, {19 + pick(n, 3, 0, 4), 1}}));
  l[5] = numberLine(packBits({{0, pick(n, 4, 1, 9)}, {4, pick(n, 5, 0, 3)}}));
  l[6] = numberLine(packBits({{0, pick(n, 6, 1, 40)}, {7, dive.line6}}));
  return spec.toLines();
}

Lines managerLines(const ManagerDef& manager) {
  const std::string& n = manager.name;
  return testsupport::managerSpec(
             dos(n), dos(manager.name2),
             packBits({{0, pick(n, 1, 0, 1)}, {1, pick(n, 2, 1, 15)}, {5, pick(n, 3, 0, 15)}}))
      .toLines();
}

Lines teamLines(const TeamDef& team) {
  return testsupport::teamSpec(dos(team.member1), dos(team.member2), dos(team.name), team.moveText).toLines();
}

// The letters of a name that can stand in a file name.
std::string slug(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c >= 'A' && c <= 'Z') out += static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
  }
  return out;
}

std::string colour(std::string_view name, uint32_t salt) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (int i = 0; i < 6; ++i) out += kDigits[pick(name, salt + static_cast<uint32_t>(i), 0, 15)];
  return out;
}

Lines wrestlerLines(const WrestlerDef& w) {
  const std::string& n = w.name;
  testsupport::WrestlerSpec spec;
  spec.name = dos(n);
  spec.altName = dos(w.altName);
  spec.moves = w.moves;
  spec.managers = w.managers;
  spec.dives = w.dives;
  spec.number79 = w.female ? 1 : 0;
  auto& l = spec.lines;
  l[53] = dos(w.hometown);
  l[54] = numberLine(packBits({{0, w.line54}, {16, pick(n, 1, 0, 1)}}));
  l[55] = numberLine(packBits({{0, w.line55[0]}, {16, w.line55[1]}}));
  l[56] = numberLine(w.line56);
  l[57] = numberLine(pick(n, 2, 45, 95));
  l[58] = numberLine(pick(n, 3, 45, 95));
  l[59] = numberLine(pick(n, 4, 45, 95));
  l[60] = dos(w.nickname);
  l[65] = numberLine(pick(n, 5, 160, 320));
  l[66] = numberLine(w.line66);
  l[67] = numberLine(pick(n, 6, 0, 9));
  l[68] = numberLine(packBits({{0, 1}, {1, pick(n, 7, 0, 1)}, {5, pick(n, 8, 0, 7)}, {9, pick(n, 9, 0, 1)}}));
  l[69] = numberLine(w.line69);
  l[70] = numberLine(packBits({{pick(n, 10, 0, 5), 1}, {pick(n, 11, 7, 27), 1}}));
  l[71] = numberLine(packBits({{0, w.line71[0]}, {16, w.line71[1]}}));
  l[72] = numberLine(w.line72);
  l[73] = dos(w.female ? "Her time is now." : "Nobody walks out on me.");
  for (int i = 0; i < 3; ++i) l[75 + i] = numberLine(w.lines75[static_cast<size_t>(i)]);
  l[90] = numberLine(packBits({{0, 1}, {pick(n, 12, 1, 9), 1}}));
  l[91] = slug(n) + ".bmp";
  l[93] = colour(n, 20);
  l[94] = colour(n, 30);
  l[96] = numberLine(pick(n, 13, 0, 120));
  l[97] = numberLine(pick(n, 14, 0, 40));
  return spec.toLines();
}

Lines objectLines(const std::string& name) {
  testsupport::ObjectSpec spec = testsupport::objectSpec(name);
  for (size_t i = 0; i < spec.values.size(); ++i) {
    spec.values[i] = pick(name, static_cast<uint32_t>(i), 0, i < 4 ? 25 : 3);
  }
  return spec.toLines();
}

Lines gimmickLines(const std::string& name, const std::string& text2, int64_t packed3) {
  return testsupport::gimmickSpec(name, text2, packed3).toLines();
}

// Gimmick-match flags: the bits set, and the 2-bit value in bits 3-4.
int64_t gimmickFlags(std::initializer_list<int> bits, int value3) {
  int64_t packed = static_cast<int64_t>(value3) << 3;
  for (int bit : bits) packed |= int64_t{1} << bit;
  return packed;
}

// ---------------------------------------------------------------------------------------------------
// The demo game.

const std::vector<MoveDef>& gameMoves() {
  static const std::vector<MoveDef> moves = {
      {1, "a Suplex", 0, 0, 0, {10, 11}},
      {2, "a Dropkick"},
      {3, "a Clothesline"},
      {4, "a Body Slam"},
      {5, "the Piledriver"},  // the game keeps it as "a Piledriver"
      {6, "an Armbar"},
      {7, "an Elbow Drop"},
      {8, "a Leg Drop"},
      {9, "a Hip Toss"},
      {10, "a Snap Suplex", 1},
      {11, "a German Suplex", 1},
      {12, "a Powerbomb", 0, 0, 0, {34}},
      {13, "a DDT", 0, 0, 0, {35}},
      {14, "a Spinebuster"},
      {15, "a Neckbreaker"},
      {16, "a Backbreaker"},
      {17, "a Headlock", 0, 0, 0, {0, 0, 18}},
      {18, "a Sleeper Hold", 17},
      {19, "a Boston Crab"},
      {20, "a Figure Four Leglock"},
      {21, "a Superkick"},
      {22, "a Lariat"},
      {23, "an Uppercut"},
      {24, "a Knee Lift"},
      {25, "a Shoulder Block"},
      {26, "a Chokeslam"},
      {27, "a Fisherman Suplex", 1},
      {28, "a Northern Lights Suplex", 1},
      {29, "a Sharpshooter"},
      {30, "a Crossface"},
      {31, "an Enzuigiri"},
      {32, "a Running Bulldog"},
      {33, "a Facebuster"},
      {34, "a Sitout Powerbomb", 12},
      {35, "a Tornado DDT", 13},
      {36, "a Brainbuster", 0, 1},
      {37, "The Claw"},  // capital article: part of the name
      {38, "a Camel Clutch"},
      {39, "a Gutwrench Suplex", 1, 0, 12},
      {40, "a Scoop Slam", 4},
  };
  return moves;
}

const std::vector<DiveDef>& gameDives() {
  static const std::vector<DiveDef> dives = {
      {1, "a Plancha"},      {2, "a Moonsault"},
      {3, "a Tope Suicida"}, {4, "a Diving Elbow Drop", 7},
      {5, "a Frog Splash"},  {6, "a Shooting Star Press"},
      {7, "a Senton Bomb"},  {8, "a Missile Dropkick", 0, 2},
  };
  return dives;
}

const std::vector<ManagerDef>& gameManagers() {
  static const std::vector<ManagerDef> managers = {
      {1, "Percy Goldworth", "The Money Man"}, {2, "Mama Lucía"},
      {3, "Dr. Victor Graves", "The Surgeon"}, {4, "Lady Evangeline"},
      {5, "Sal Benedetto", "The Consigliere"},
  };
  return managers;
}

const std::vector<WrestlerDef>& gameWrestlers() {
  static const std::vector<WrestlerDef> wrestlers = {
      {.name = "Rico Ferraz",
       .moves = {22, 3, 1, 12, 25, 9},
       .line54 = 12,
       .line55 = {22, 1},
       .line56 = 12,
       .line66 = 3,
       .line69 = 25,
       .line71 = {9, 22},
       .line72 = 12,
       .lines75 = {1, 22, 0},
       .managers = {1},
       .hometown = "Porto Alegre, Brazil",
       .nickname = "The Brazilian Bull"},
      {.name = "Björn Halvorsen",
       .moves = {26, 16, 4, 19, 24, 40},
       .line54 = 26,
       .line55 = {16, 0},
       .line56 = 26,
       .line66 = 19,
       .line69 = 4,
       .lines75 = {26, 0, 0},
       .managers = {3},
       .hometown = "Tromsø, Norway",
       .nickname = "The Fjord Giant"},
      {.name = "Mariana Sánchez",
       .female = true,
       .moves = {2, 9, 31, 33, 21, 6},
       .line54 = 33,
       .line55 = {2, 31},
       .line56 = 33,
       .line66 = 21,
       .line69 = 9,
       .line71 = {6, 0},
       .line72 = 33,
       .lines75 = {2, 31, 0},
       .managers = {2},
       .dives = {2, 8},
       .hometown = "Monterrey, Mexico",
       .nickname = "La Tormenta"},
      {.name = "Titus Crane",
       .moves = {22, 5, 29, 3},
       .line54 = 5,
       .line55 = {22, 0},
       .line56 = 5,
       .line66 = 29,
       .line69 = 22,
       .line71 = {5, 0},
       .lines75 = {5, 0, 0},
       .managers = {1},
       .hometown = "Pittsburgh, Pennsylvania",
       .nickname = "The Steel Town Crusher"},
      {.name = "Élodie Marchand",
       .female = true,
       .moves = {2, 15, 13, 35, 6, 30},
       .line54 = 35,
       .line55 = {13, 35},
       .line56 = 35,
       .line66 = 30,
       .line69 = 2,
       .line72 = 35,
       .lines75 = {15, 0, 0},
       .managers = {4},
       .dives = {5, 1},
       .hometown = "Québec City, Canada",
       .nickname = "Mademoiselle Mayhem"},
      {.name = "Dusty Holloway",
       .moves = {3, 8, 17, 7, 23},
       .line54 = 8,
       .line56 = 8,
       .line66 = 17,
       .line69 = 7,
       .managers = {5},
       .dives = {4},
       .hometown = "Amarillo, Texas",
       .nickname = "The Drifter"},
      {.name = "Kenji Arakawa",
       .moves = {31, 21, 10, 28, 27, 13},
       .line54 = 28,
       .line55 = {10, 27},
       .line56 = 28,
       .line66 = 31,
       .line69 = 21,
       .line71 = {13, 28},
       .line72 = 28,
       .lines75 = {27, 10, 0},
       .dives = {6, 7},
       .hometown = "Sendai, Japan",
       .nickname = "The Rising Blade"},
      {.name = "Grizzly McTavish",
       .moves = {26, 22, 14, 36, 38},
       .line54 = 26,
       .line56 = 36,
       .line66 = 38,
       .line69 = 14,
       .line72 = 26,
       .managers = {3},
       .hometown = "Inverness, Scotland",
       .nickname = "The Highland Bear"},
      {.name = "Sofia Lindqvist",
       .female = true,
       .moves = {2, 18, 20, 30, 11},
       .line54 = 11,
       .line55 = {20, 0},
       .line56 = 11,
       .line66 = 18,
       .line69 = 2,
       .line72 = 11,
       .lines75 = {20, 0, 0},
       .managers = {4},
       .dives = {2},
       .hometown = "Malmö, Sweden",
       .nickname = "The Ice Queen"},
      {.name = "The Masked Comet",
       .altName = "El Cometa",
       .moves = {2, 31, 32, 21, 9},
       .line54 = 32,
       .line55 = {31, 2},
       .line56 = 32,
       .line66 = 21,
       .line69 = 9,
       .dives = {6, 3, 1},
       .hometown = "Parts Unknown",
       .nickname = "The Man of a Thousand Dives"},
      {.name = "Otto Krämer",
       .moves = {37, 39, 11, 24, 4},
       .line54 = 37,
       .line56 = 39,
       .line66 = 37,
       .line69 = 24,
       .line72 = 39,
       .managers = {5},
       .hometown = "Düsseldorf, Germany",
       .nickname = "The Iron Chancellor"},
      {.name = "Jade Whitmore",
       .female = true,
       .moves = {2, 33, 15, 6, 34},
       .line54 = 34,
       .line55 = {33, 0},
       .line56 = 34,
       .line66 = 15,
       .line69 = 6,
       .line71 = {2, 0},
       .line72 = 34,
       .lines75 = {33, 0, 0},
       .managers = {2},
       .dives = {5},
       .hometown = "Bristol, England",
       .nickname = "The Emerald Flash"},
  };
  return wrestlers;
}

const std::vector<TeamDef>& gameTeams() {
  static const std::vector<TeamDef> teams = {
      {"Rico Ferraz", "Titus Crane", "Concrete Jungle", "!1-12/Riaz"},
      {"Björn Halvorsen", "Otto Krämer", "Nordic Storm", "&Viking Hammer/Oter"},
      {"Mariana Sánchez", "Sofia Lindqvist", "", "Double Dropkick/Maez"},
      {"Kenji Arakawa", "The Masked Comet", "Rising Sun", "!35-Shining Dragon/Kewa"},
  };
  return teams;
}

void writeRecordFile(const fs::path& file, const std::vector<Lines>& records) {
  Lines lines{numberLine(static_cast<int64_t>(records.size()))};
  for (const Lines& record : records) append(lines, record);
  testsupport::writeFileBytes(file, testsupport::crlfText(lines));
}

template <class Def, class Build>
std::vector<Lines> recordsOf(const std::vector<Def>& defs, Build build) {
  std::vector<Lines> records;
  for (const Def& def : defs) records.push_back(build(def));
  return records;
}

void writeDemoGame(const fs::path& game) {
  const fs::path data = game / "data";
  fs::create_directories(data);

  writeRecordFile(data / "wrestlrs.dat", recordsOf(gameWrestlers(), wrestlerLines));
  writeRecordFile(data / "moves.dat", recordsOf(gameMoves(), moveLines));
  writeRecordFile(data / "dives.dat", recordsOf(gameDives(), diveLines));
  writeRecordFile(data / "managers.dat", recordsOf(gameManagers(), managerLines));
  writeRecordFile(data / "teams.dat", recordsOf(gameTeams(), teamLines));
  writeRecordFile(data / "stables.dat",
                  {testsupport::stableSpec(dos("The Syndicate"), {4, 1, 8}, {4, 0, 0, 0}).toLines(),
                   testsupport::stableSpec(dos("Northern Alliance"), {2, 11, 9}, {2, 11, 0, 0}).toLines()});
  writeRecordFile(data / "objects.dat", {objectLines("a Steel Chair"), objectLines("a Ladder"),
                                         objectLines("a Kendo Stick"), objectLines("a Trash Can"),
                                         objectLines("the Ring Bell"), objectLines("a Fire Extinguisher")});
  writeRecordFile(
      data / "gimmicks.dat",
      {gimmickLines("Steel Cage Match", "Escape the cage or pin your opponent", gimmickFlags({0, 2, 19}, 2)),
       gimmickLines("Ladder Match", "Climb the ladder and grab the prize", gimmickFlags({1, 7, 18}, 0)),
       gimmickLines("Last Man Standing", "Keep your opponent down for a ten count",
                    gimmickFlags({5, 9, 19}, 1)),
       gimmickLines("Falls Count Anywhere", "Pins count anywhere in the building",
                    gimmickFlags({6, 10, 18, 19}, 0))});
  writeRecordFile(data / "referees.def", {testsupport::refereeSpec(dos("Gus Pettibone"), 1, 80).toLines(),
                                          testsupport::refereeSpec(dos("Héctor Ruiz"), 6, 65).toLines()});

  // Crowd chants; the game stores some lines scrambled.
  testsupport::writeFileBytes(data / "crowd.cnf",
                              testsupport::crlfText({
                                  "Rico Ferraz_Face=Let's go Rico!|Fer-raz! Fer-raz!",
                                  "Titus Crane_Heel=You can't wrestle!|Bor-ing!",
                                  testsupport::scrambleLine("Sofia Lindqvist_*=Sof-i-a! Sof-i-a!"),
                                  "The Masked Comet_Face=Co-met! Co-met!",
                              }));
  // Wrestlers, moves and managers: the record counts the game keeps beside its files.
  testsupport::writeFileBytes(data / "zor.inf", testsupport::crlfText({
                                                    numberLine(static_cast<int64_t>(gameWrestlers().size())),
                                                    numberLine(static_cast<int64_t>(gameMoves().size())),
                                                    numberLine(static_cast<int64_t>(gameManagers().size())),
                                                }));
  // "VersionNormalize" is set, so loading the folder leaves the file as it is.
  testsupport::writeFileBytes(game / "zor.cnf", testsupport::crlfText({
                                                    "VersionNormalize=1",
                                                    "NormalizeDamage=1",
                                                    "ScaleDamage=1",
                                                    "WeightWorkrate=30",
                                                    "WeightPush=40",
                                                    "WeightStamina=14",
                                                    "WeightCharisma=16",
                                                    "CagePins=1",
                                                    "CageEscapes=1",
                                                    "DelayBetweenMoves=150",
                                                    "MatchLength=7",
                                                    "RV_MatchEngine_Options=Courier New|3|12|20|FFFF00|80",
                                                }));
}

// ---------------------------------------------------------------------------------------------------
// The exports.

struct WrestlerExport {
  std::string source;  // the heading line naming the exporting federation
  std::vector<WrestlerDef> wrestlers;
  std::vector<TeamDef> teams;
  std::vector<MoveDef> moves;
  std::vector<ManagerDef> managers;
  std::vector<DiveDef> dives;
};

// Moves, managers and dives carry their record number in the exporting database as line 0.
template <class Def, class Build>
void numberedSection(Lines& out, std::string_view marker, const std::vector<Def>& defs, Build build) {
  out.emplace_back(marker);
  out.push_back(std::to_string(defs.size()));
  for (const Def& def : defs) {
    out.push_back(std::to_string(def.number));
    append(out, build(def));
  }
}

Lines exportLines(const WrestlerExport& ex) {
  Lines out{"ZOR 7 SE Export File", "Exported from: " + ex.source, "[Exported Wrestlers]",
            std::to_string(ex.wrestlers.size())};
  for (const WrestlerDef& wrestler : ex.wrestlers) append(out, wrestlerLines(wrestler));
  out.emplace_back("[Exported Teams]");
  for (const TeamDef& team : ex.teams) append(out, teamLines(team));
  out.emplace_back("");  // a record with an empty first line ends the teams
  numberedSection(out, "[Exported Moves]", ex.moves, moveLines);
  numberedSection(out, "[Exported Managers]", ex.managers, managerLines);
  numberedSection(out, "[Exported Dives]", ex.dives, diveLines);
  return out;
}

// The first export, from the "Continental Wrestling Alliance": four wrestlers the demo game lacks and
// two it has (Titus Crane and Rico Ferraz, with a few moves more).
WrestlerExport firstExport() {
  WrestlerExport ex;
  ex.source = "Continental Wrestling Alliance";
  ex.moves = {
      // Already in the demo game by name (without article, any letter case).
      {101, "a Suplex", 0, 0, 0, {106, 107}},
      {102, "a Dropkick"},
      {103, "a Clothesline"},
      {104, "the Piledriver"},
      {105, "an Armbar"},
      {106, "a snap suplex", 101},
      {107, "a German Suplex", 101},
      {108, "a DDT"},
      {109, "a Powerbomb"},
      {110, "a Lariat"},
      {111, "a Superkick"},
      {112, "an Elbow Drop"},
      {113, "a Sharpshooter"},
      {114, "a Body Slam"},
      // New to the demo game.
      {117, "a Spinning Heel Kick"},
      {118, "a Cutter"},
      {125, "a Swinging Neckbreaker", 0, 0, 0, {140}},  // Michinoku Driver as its follow-up
      {140, "a Michinoku Driver", 109},                 // named only by the Swinging Neckbreaker
      {141, "an Avalanche Suplex", 107},                // named only by the Tiger Driver's line 3
      {150, "a Jawbreaker"},
      {160, "a Tandem Powerbomb", 109},  // the team Velvet Thunder's move
      {161, "an Assisted Moonsault"},    // and its second part
      {170, "an Ankle Lock", 0, 113},
      {171, "a Cobra Clutch"},
      {172, "a Rolling Elbow", 112},
      {180, "a Handspring Elbow", 112, 172},
      {181, "a Frankensteiner", 0, 0, 117},
      {190, "a Tiger Driver", 141, 109},
      {199, "a Gorilla Press Slam", 114},  // named by nobody: never imported
  };
  ex.managers = {
      {7, "Percy Goldworth", "The Money Man"},
      {12, "Madame Zenobia", "The Oracle"},
      {15, "Rocco Salvatore"},
      {16, "Uncle Barnaby"},  // managed nobody here: never imported
  };
  ex.dives = {
      {21, "a Plancha"},
      {22, "a Moonsault"},
      {35, "a Frog Splash"},
      {36, "a 450 Splash"},
      {37, "a Springboard Cutter", 118, 102},
      {38, "a Diving Headbutt", 0, 112},
      {39, "a Corkscrew Senton"},  // used by nobody: never imported
  };
  ex.wrestlers = {
      {.name = "Renée Dubois",
       .female = true,
       .moves = {102, 103, 118, 180, 112, 108},
       .line54 = 118,
       .line55 = {103, 180},
       .line56 = 108,
       .line66 = 112,
       .line69 = 102,
       .lines75 = {180, 118, 0},
       .managers = {12},
       .dives = {37, 22},
       .hometown = "Montréal, Québec",
       .nickname = "La Panthère"},
      {.name = "Jürgen Stahl",
       .moves = {101, 107, 125, 172, 109, 114, 106},
       .line54 = 125,
       .line55 = {107, 109},
       .line56 = 172,
       .line66 = 106,
       .line69 = 114,
       .line71 = {101, 172},
       .line72 = 125,
       .lines75 = {109, 107, 0},
       .managers = {15},
       .dives = {38},
       .hometown = "Köln, Germany",
       .nickname = "The Steel Baron"},
      {.name = "Titus Crane",
       .moves = {110, 170, 104, 113, 103},
       .line54 = 170,
       .line55 = {110, 0},
       .line56 = 104,
       .line66 = 113,
       .line69 = 110,
       .line71 = {104, 170},
       .lines75 = {104, 170, 0},
       .managers = {7},
       .hometown = "Pittsburgh, Pennsylvania",
       .nickname = "The Steel Town Crusher"},
      {.name = "Kid Tornado",
       .moves = {117, 181, 102, 111, 105},
       .line54 = 181,
       .line55 = {117, 111},
       .line56 = 181,
       .line66 = 117,
       .line69 = 102,
       .line72 = 181,
       .lines75 = {111, 181, 117},
       .managers = {15, 7},
       .dives = {36, 21, 22},
       .hometown = "Oklahoma City, Oklahoma",
       .nickname = "The Human Whirlwind"},
      {.name = "Rico Ferraz",
       .moves = {150, 101, 109, 110, 103},
       .line54 = 150,
       .line55 = {110, 101},
       .line56 = 109,
       .line66 = 150,
       .line69 = 103,
       .line71 = {109, 110},
       .lines75 = {101, 110, 0},
       .managers = {7},
       .dives = {35},
       .hometown = "Porto Alegre, Brazil",
       .nickname = "The Brazilian Bull"},
      {.name = "Nadia Volkova",
       .female = true,
       .moves = {190, 171, 111, 105, 102, 118},
       .line54 = 190,
       .line55 = {171, 111},
       .line56 = 190,
       .line66 = 171,
       .line69 = 105,
       .line71 = {118, 190},
       .line72 = 171,
       .lines75 = {190, 171, 105},
       .managers = {12},
       .dives = {35, 36},
       .hometown = "Yekaterinburg, Russia",
       .nickname = "The Siberian Storm"},
  };
  ex.teams = {
      {"Kid Tornado", "Nadia Volkova", "Velvet Thunder", "!160-161/Kido"},
      {"Rico Ferraz", "Titus Crane", "Concrete Jungle", "!101-109/Riaz"},  // the demo game's own team
      {"Nadia Volkova", "Titus Crane", "", "&Double Clothesline/Tine"},
  };
  return ex;
}

// The second export, from another federation with numbers of its own: Kid Tornado again (with a new
// hold), and two more newcomers. Imported after the first in a batch, it replaces Kid Tornado.
WrestlerExport secondExport() {
  WrestlerExport ex;
  ex.source = "Pacific Rim Pro";
  ex.moves = {
      {3, "a Dropkick"},
      {5, "a Spinning Heel Kick"},
      {7, "a Frankensteiner", 0, 0, 5},
      {9, "a Superkick"},
      {12, "a Powerslam", 0, 0, 0, {14}},
      {14, "a Running Powerslam", 12},
      {15, "an Octopus Hold"},
      {18, "a Spear"},
      {20, "a Shoulder Block"},
      {22, "the Tornado DDT"},
  };
  ex.managers = {{2, "Rocco Salvatore"}, {3, "Vera Sterling", "The Silver Fox"}};
  ex.dives = {{4, "a 450 Splash"}, {6, "a Tope con Hilo", 0, 3}};
  ex.wrestlers = {
      {.name = "Kid Tornado",
       .moves = {5, 7, 3, 9, 15},
       .line54 = 7,
       .line55 = {5, 9},
       .line56 = 7,
       .line66 = 15,
       .line69 = 3,
       .line72 = 7,
       .lines75 = {9, 7, 5},
       .managers = {2},
       .dives = {4, 6},
       .hometown = "Oklahoma City, Oklahoma",
       .nickname = "The Human Whirlwind"},
      {.name = "Hélio Costa",
       .moves = {22, 18, 20, 3},
       .line54 = 22,
       .line55 = {18, 20},
       .line56 = 22,
       .line66 = 3,
       .line69 = 20,
       .lines75 = {18, 0, 0},
       .managers = {3},
       .dives = {6},
       .hometown = "Belo Horizonte, Brazil",
       .nickname = "O Furacão"},
      {.name = "Brick Mahoney",
       .moves = {12, 18, 20, 9},
       .line54 = 12,
       .line55 = {20, 0},
       .line56 = 18,
       .line66 = 9,
       .line69 = 20,
       .line72 = 12,
       .lines75 = {12, 18, 0},
       .managers = {2},
       .hometown = "Boston, Massachusetts",
       .nickname = "The Brick Wall"},
  };
  ex.teams = {{"Brick Mahoney", "Kid Tornado", "Tornado Warning", "!18-12/Brey"}};
  return ex;
}

Lines objectExport() {
  const std::vector<std::string> names = {"a Steel Chair", "the Kendo Stick", "a Cookie Sheet",
                                          "a Wooden Table", "a Bag of Thumbtacks"};
  Lines out{"ZOR 7 SE Export File", "Exported from: Continental Wrestling Alliance", "[Exported Objects]",
            std::to_string(names.size())};
  for (const std::string& name : names) append(out, objectLines(name));
  return out;
}

Lines gimmickExport() {
  Lines out{"ZOR 7 SE Export File", "Exported from: Continental Wrestling Alliance", "[Gimmick Matches]",
            "3"};
  append(out,
         gimmickLines("Ladder Match", "Climb the ladder and grab the prize", gimmickFlags({1, 7, 18}, 0)));
  append(out,
         gimmickLines("Iron Man Match", "Most falls in sixty minutes wins", gimmickFlags({0, 8, 19}, 3)));
  append(out, gimmickLines("Lumberjack Match", "Wrestlers surround the ring to keep both inside",
                           gimmickFlags({2, 11, 19}, 1)));
  return out;
}

// Key material from a fixed seed, and fixed header fields.
testsupport::ExportKeys demoKeys(uint32_t seed) {
  testsupport::ExportKeys keys = testsupport::exportKeys(seed);
  keys.ownerName = "Demo Exporter";
  keys.headerWord = 1;
  keys.timestamp = 133485408000000000;  // 2024-01-01 00:00 UTC in 100 ns ticks since 1601
  return keys;
}

void writeExports(const fs::path& exports) {
  fs::create_directories(exports);
  const Lines first = exportLines(firstExport());
  testsupport::writeFileBytes(exports / "demo-wrestlers.zor",
                              testsupport::encipheredExportBytes(first, demoKeys(1001)));
  testsupport::writeFileBytes(exports / "demo-wrestlers-plain.zor", testsupport::plainExportBytes(first));
  testsupport::writeFileBytes(
      exports / "demo-more-wrestlers.zor",
      testsupport::encipheredExportBytes(exportLines(secondExport()), demoKeys(1002)));
  testsupport::writeFileBytes(exports / "demo-objects.zor",
                              testsupport::encipheredExportBytes(objectExport(), demoKeys(1003)));
  testsupport::writeFileBytes(exports / "demo-gimmicks.zor", testsupport::plainExportBytes(gimmickExport()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zor-make-demo OUTPUT_DIR\n";
    return 2;
  }
  const fs::path output = argv[1];
  std::error_code error;
  for (const char* folder : {"demo-game", "exports"}) {
    fs::remove_all(output / folder, error);
    if (error) {
      std::cerr << "zor-make-demo: cannot clear " << (output / folder).string() << ": " << error.message()
                << "\n";
      return 1;
    }
  }
  writeDemoGame(output / "demo-game");
  writeExports(output / "exports");
  if (!fs::exists(output / "exports" / "demo-gimmicks.zor")) {
    std::cerr << "zor-make-demo: could not write to " << output.string() << "\n";
    return 1;
  }
  std::cout << "Demo game folder and exports written to " << output.string() << "\n";
  return 0;
}
