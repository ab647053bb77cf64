// The load sequence that fills the catalogue from a game folder: the nine record files, then the
// crowd and media-path files that complete wrestlers and teams.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace db {

struct Catalogue;

// Mask bits of LOADDBS, one per record kind; 512, 1024 and 65536 concern circuits only.
enum LoadMask : int32_t {
  kLoadWrestlers = 1,
  kLoadMoves = 2,
  kLoadDives = 4,
  kLoadManagers = 8,
  kLoadTeams = 16,
  kLoadStables = 32,
  kLoadReferees = 64,
  kLoadObjects = 128,
  kLoadGimmicks = 256,
  kLoadCircuitsComputed = 512,  // circuits, each followed by COMPUTEM
  kLoadCircuits = 1024,
  kFilterCircuits = 65536,  // only the circuits of the current directory's name
  kLoadEverything = 65535,  // what a mask of 0 stands for
};

using LoadProgress = std::function<void(std::string_view text)>;

// Loads the catalogue from `gameFolder` (every path is the folder followed by "\data\..."). Mask 0
// selects everything; any other mask is combined with the nine main kinds. A nonzero skipCircuits
// returns before the circuits, as every caller asks. Returns 0, or minus the number of the circuit
// whose loading failed. Failing file operations go to the untrapped-error report.
int32_t LOADDBS(Catalogue& catalogue, std::string_view gameFolder, int32_t skipCircuits, int32_t mask,
                const LoadProgress& progress);

// Hook run once per load after the completion files; there is nothing to associate.
void INITASSOCIATIONS();

}  // namespace db
