// The in-memory copy of the game's database: per record kind an array whose record i is the i-th
// record of the kind's file (other records refer to it by i; 0 means no reference), its count, and
// the crowd texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/circuit.h"
#include "db/crowd.h"
#include "db/gimmick.h"
#include "db/load_report.h"
#include "db/manager.h"
#include "db/move.h"
#include "db/object.h"
#include "db/referee.h"
#include "db/stable.h"
#include "db/team.h"
#include "db/wrestler.h"
#include "settings/game_options.h"

namespace db {

// Record 0 of moves (both names) and of wrestlers (Name): the lists' entry for no selection.
inline constexpr std::string_view kNoneEntry = "--- None ---";

struct Catalogue {
  // Indexes 0..count + 1 (moves 0..count, circuits 0..20). Records 1..count come from the files;
  // record 0 and the spare last element are empty apart from the "--- None ---" names.
  std::vector<Wrestler> Wrestlers;
  std::vector<Move> Moves;
  std::vector<Dive> Dives;
  std::vector<Manager> Managers;
  std::vector<Team> Teams;
  std::vector<Stable> Stables;
  std::vector<ForeignObject> Objects;
  std::vector<GimmickMatch> Gimmicks;
  std::vector<Referee> Referees;
  std::vector<Circuit> Circuits;

  int32_t WrestlerCount = 0;
  int32_t MoveCount = 0;
  int32_t DiveCount = 0;
  int32_t ManagerCount = 0;
  int32_t TeamCount = 0;
  int32_t StableCount = 0;
  int32_t ObjectCount = 0;
  int32_t GimmickCount = 0;
  int32_t RefereeCount = 0;
  int32_t CircuitCount = 0;

  int32_t CatalogueLoaded = 0;
  std::string GameFolder;
  // The game's options, read from its settings file by each load.
  settings::GameOptions options;
  int32_t circuitCounter = 0;  // reset at every load, for the circuit loaders

  std::vector<CrowdEntry> CrowdEntries = std::vector<CrowdEntry>(1);  // 1..CrowdCount
  int32_t CrowdCount = 0;

  // How the last load read each record file (load_report.h); all "not loaded" before the first load.
  std::array<KindLoad, kMainKindCount> kindLoads{};
};

// The program's catalogue.
Catalogue& catalogue();

// Releases every text the catalogue holds (records 0..count of every kind and the crowd entries) and
// leaves it empty, as before the first load.
void releaseCatalogue(Catalogue& catalogue);

}  // namespace db
