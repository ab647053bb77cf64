// The wrestler-export parser, both roads: the interactive parse of Open Export File and the batch
// parse. Bit 0 of the first input byte reseals the rest (see export_stream), bit 1 chooses the batch
// road. A failed parse leaves the incoming records as they were; the export file is never changed.
#include <string>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "export/open_export.h"
#include "export/parser.h"
#include "export/stream_table.h"
#include "fuzz_environment.h"
#include "fuzz_target.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "support/export_writer.h"
#include "support/import_scenario.h"

namespace {

// The catalogue of the scenario game and the records of a good parse, made once.
struct ParserWorld {
  db::Catalogue catalogue;
  exports::IncomingRecords good;
};

ParserWorld& world() {
  static ParserWorld* made = [] {
    auto* made = new ParserWorld;
    memory::HEAPBEGIN();
    db::LOADDBS(made->catalogue, fuzzing::scratchGame().string(), 1, 0, {});
    const std::string path =
        fuzzing::writeInput("good.zor", testsupport::plainExportBytes(testsupport::scenarioExport().lines()));
    exports::PARSEEXPORT(path, made->catalogue, made->good, exports::ParseMode::Interactive);
    return made;
  }();
  return *made;
}

// Enough of the records to tell them apart.
std::string fingerprint(const exports::IncomingRecords& records) {
  std::string print =
      std::to_string(records.IncomingWrestlerCount) + "/" + std::to_string(records.IncomingTeamCount) + "/" +
      std::to_string(records.IncomingMoveCount) + "/" + std::to_string(records.IncomingManagerCount) + "/" +
      std::to_string(records.IncomingDiveCount);
  for (const exports::IncomingRecord& wrestler : records.IncomingWrestlers)
    print += "|" + wrestler.StoredName;
  for (const exports::RecordLines& lines : records.IncomingMoveLines)
    print += "|" + std::to_string(lines.size());
  return print;
}

}  // namespace

ZOR_FUZZ_TARGET(export_parser) {
  fuzzing::prepareProgram();
  ParserWorld& parser = world();
  if (size == 0) return 0;
  std::string bytes(fuzzing::bytesOf(data + 1, size - 1));
  if ((data[0] & 1) != 0) testsupport::sealExport(bytes);
  const bool batch = (data[0] & 2) != 0;
  const std::string path = fuzzing::writeInput("input.zor", bytes);

  exports::IncomingRecords incoming = parser.good;
  const std::string before = fingerprint(incoming);
  const exports::ParseResult result = exports::PARSEEXPORT(
      path, parser.catalogue, incoming, batch ? exports::ParseMode::Batch : exports::ParseMode::Interactive);
  if (result.outcome != exports::ParseOutcome::Parsed) {
    fuzzing::check(fingerprint(incoming) == before, "a failed parse changed the incoming records");
  } else {
    // Every record the counts announce is there, and no more.
    fuzzing::check(static_cast<int32_t>(incoming.IncomingWrestlers.size()) >= incoming.IncomingWrestlerCount,
                   "fewer wrestlers than the count");
    fuzzing::check(static_cast<int32_t>(incoming.IncomingMoveLines.size()) >= incoming.IncomingMoveCount,
                   "fewer moves than the count");
  }
  fuzzing::check(exports::streamTable().streamCount == 0, "a stream was left open");
  fuzzing::check(fuzzing::readFile(path) == bytes, "the export file was changed");
  platform::closeAllFiles();
  return 0;
}
