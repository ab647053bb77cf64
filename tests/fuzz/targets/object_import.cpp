// The object and gimmick-match import of Open Export File, into a scratch copy of a small game. Bit 0
// of the first input byte reseals the rest (see export_stream). Whatever the export holds, the record
// file it appends to stays whole: its count line says how many records follow, and they all do; the
// export file is never changed.
#include <string>

#include "db/catalogue.h"
#include "db/gimmick.h"
#include "db/load_database.h"
#include "db/object.h"
#include "export/incoming.h"
#include "export/open_export.h"
#include "export/stream_table.h"
#include "fuzz_environment.h"
#include "fuzz_target.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/export_writer.h"
#include "support/import_scenario.h"

namespace {

// Whether a record file is whole: a count line N and exactly N records of `lines` lines after it.
bool wholeRecordFile(const std::string& path, size_t lines) {
  const std::vector<std::string> fileLines = testsupport::fileLines(path);
  if (fileLines.empty()) return false;
  const std::optional<int32_t> count = platform::numberIfOnLine(fileLines.front());
  return count && *count >= 0 && fileLines.size() == 1 + static_cast<size_t>(*count) * lines;
}

}  // namespace

ZOR_FUZZ_TARGET(object_import) {
  fuzzing::prepareProgram();
  if (size == 0) return 0;
  std::string bytes(fuzzing::bytesOf(data + 1, size - 1));
  if ((data[0] & 1) != 0) testsupport::sealExport(bytes);
  fuzzing::restoreGame();
  const std::string path = fuzzing::writeInput("input.zor", bytes);
  const std::string game = fuzzing::scratchGame().string();

  memory::HEAPBEGIN();
  db::Catalogue catalogue;
  exports::IncomingRecords incoming;
  db::LOADDBS(catalogue, game, 1, 0, {});
  exports::openExportFile(path, catalogue, incoming, game);
  db::releaseCatalogue(catalogue);
  memory::HEAPEND();

  fuzzing::check(wholeRecordFile(game + "/data/objects.dat", db::kObjectLines), "objects.dat is not whole");
  fuzzing::check(wholeRecordFile(game + "/data/gimmicks.dat", db::kGimmickLines),
                 "gimmicks.dat is not whole");
  fuzzing::check(exports::streamTable().streamCount == 0, "a stream was left open");
  fuzzing::check(fuzzing::readFile(path) == bytes, "the export file was changed");
  platform::closeAllFiles();
  return 0;
}
