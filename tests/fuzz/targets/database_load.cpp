// Each loader, through the whole load sequence, on a scratch game whose one record file is the input:
// the first input byte chooses the file. A load never holds more records than its file can hold (a
// line takes a byte at least), and releasing the catalogue gives back every heap block the load took.
#include <map>
#include <string>

#include "db/catalogue.h"
#include "db/gimmick.h"
#include "db/lines_per_record.h"
#include "db/load_database.h"
#include "db/load_report.h"
#include "db/object.h"
#include "db/referee.h"
#include "db/stable.h"
#include "fuzz_environment.h"
#include "fuzz_target.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "platform/heap.h"
#include "platform/paths.h"

namespace {

struct LoadedKind {
  int32_t bit;
  int linesPerRecord;  // the fewest a record can take
  int32_t db::Catalogue::*count;
};

constexpr LoadedKind kKinds[] = {
    {db::kLoadWrestlers, db::kWrestlerLines, &db::Catalogue::WrestlerCount},
    {db::kLoadMoves, db::kMoveLines, &db::Catalogue::MoveCount},
    {db::kLoadDives, db::kDiveLines, &db::Catalogue::DiveCount},
    {db::kLoadManagers, db::kManagerLines, &db::Catalogue::ManagerCount},
    {db::kLoadTeams, db::kTeamLines, &db::Catalogue::TeamCount},
    {db::kLoadStables, db::kStableFixedLines, &db::Catalogue::StableCount},
    {db::kLoadReferees, db::kRefereeLines, &db::Catalogue::RefereeCount},
    {db::kLoadObjects, db::kObjectLines, &db::Catalogue::ObjectCount},
    {db::kLoadGimmicks, db::kGimmickLines, &db::Catalogue::GimmickCount},
};

}  // namespace

ZOR_FUZZ_TARGET(database_load) {
  fuzzing::prepareProgram();
  if (size == 0) return 0;
  const LoadedKind& kind = kKinds[data[0] % std::size(kKinds)];
  const std::string_view bytes = fuzzing::bytesOf(data + 1, size - 1);
  const std::string game = fuzzing::scratchGame().string();
  const std::string path = db::kindFilePath(game, kind.bit);
  const std::string original = fuzzing::readFile(platform::nativePath(path));
  fuzzing::writeInput("data/" + std::string(platform::fileNameOf(path)), bytes);

  memory::HEAPBEGIN();
  const platform::HeapHandle heap = memory::heapState().current;
  const size_t blocksBefore = platform::heapBlockCount(heap);
  db::Catalogue catalogue;
  db::LOADDBS(catalogue, game, 1, 0, {});
  const int32_t loaded = catalogue.*kind.count;
  // A file shorter than its count completes its records with empty values, as the game reads it, but
  // only as far as the file could hold them (every line takes at least one byte), and one more that
  // the end of the file cut short.
  const size_t room = bytes.size() / static_cast<size_t>(kind.linesPerRecord) + 1;
  fuzzing::check(loaded >= 0 && static_cast<size_t>(loaded) <= room, "more records than the file can hold");
  db::releaseCatalogue(catalogue);
  fuzzing::check(platform::heapBlockCount(heap) == blocksBefore, "the release left heap blocks behind");
  memory::HEAPEND();

  fuzzing::writeInput("data/" + std::string(platform::fileNameOf(path)), original);
  platform::closeAllFiles();
  return 0;
}
