// Generates a large, consistent game database for load tests and the benchmark. Every value follows
// from the record's number through the functions below, so a test can check any record it likes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "support/game_folder.h"

namespace testsupport {

struct GeneratedSizes {
  int32_t wrestlers = 20000;
  int32_t moves = 5000;
  int32_t dives = 2000;
  int32_t teams = 2000;
  int32_t managers = 1000;
  int32_t stables = 200;
  int32_t objects = 100;
  int32_t gimmicks = 50;
  int32_t referees = 20;
  int32_t crowdLines = 500;  // in crowd.cnf, every other one scrambled; wcrowd.cnf gets as many
  // Every line of a wrestler filled as a real record fills it (fillGeneratedWrestlerLines, with the
  // references of generatedWrestlerExtraMoves); off, the lines nothing checks stay blank or zero.
  bool fullWrestlerLines = false;
};

// Writes every file of a database of these sizes (plus zor.cnf) into the folder.
void writeGeneratedDatabase(GameFolder& folder, const GeneratedSizes& sizes);

// Wrestler i: its name as the program reads it (Windows-1252; every tenth carries an "ü", written to
// the file in code page 437), a second name, whether it is deleted (every 97th), its move references
// (slots 1..count nonzero, then zeros), managers and dives.
std::string generatedWrestlerName(int32_t i);
std::string generatedWrestlerAltName(int32_t i);
bool generatedWrestlerDeleted(int32_t i);
int32_t generatedMoveListCount(int32_t i);
int32_t generatedWrestlerMove(int32_t i, int32_t slot, const GeneratedSizes& sizes);
int32_t generatedWrestlerManager(int32_t i, const GeneratedSizes& sizes);
int32_t generatedWrestlerDive(int32_t i, const GeneratedSizes& sizes);

// The move references a full wrestler record holds outside its move list, in line order: 54, 55 (low
// and high 16 bits), 56, 66, 69, 71 (low and high), 72, 75, 76, 77. 0 is none; line 72 takes -1 too.
using WrestlerExtraMoves = std::array<int32_t, 12>;
WrestlerExtraMoves generatedWrestlerExtraMoves(int32_t i, const GeneratedSizes& sizes);
// Fills wrestler i's lines as a full record has them: texts of realistic lengths (nickname, hometown,
// descriptions, catchphrase, file names, a media path), numbers and packed flags, the given extra move
// references, and lines 99 to 120. Name, second name, move list, managers, dives, line 79 and the
// deleted mark are left as they are. The same i gives the same lines.
void fillGeneratedWrestlerLines(WrestlerSpec& record, int32_t i, const WrestlerExtraMoves& moves);

// Move i: the name line as written (a third carry "the", which the program turns into "a"/"an") and
// the list name; every 50th is deleted.
std::string generatedMoveLine(int32_t i);
std::string generatedMoveListName(int32_t i);
bool generatedMoveDeleted(int32_t i);
std::string generatedDiveLine(int32_t i);

// Team i: members are wrestlers 2i-1 and 2i (wrapped round the wrestler count); odd teams have a
// name; the move text is "!" first "-" second "/" the first member's abbreviation.
int32_t generatedTeamMember(int32_t i, int32_t member, const GeneratedSizes& sizes);
std::string generatedTeamName(int32_t i);
int32_t generatedTeamFirstMove(int32_t i, const GeneratedSizes& sizes);

std::string generatedManagerName(int32_t i);

}  // namespace testsupport
