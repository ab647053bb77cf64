#include "import/batch_import.h"

#include "db/load_database.h"
#include "import/selection.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "services/events.h"
#include "services/program.h"

namespace imports {
namespace {

constexpr int32_t kBatchPumpCount = 250;
constexpr size_t kShortNameLimit = 20;
constexpr size_t kShortNameEnds = 10;

std::string parseProblem(exports::ParseOutcome outcome, const std::vector<platform::UntrappedError>& errors) {
  std::string text = outcome == exports::ParseOutcome::Corrupt ? std::string(exports::kCorruptFileMessage)
                                                               : std::string(exports::kOpenErrorMessage);
  if (!errors.empty()) text += " (" + platform::describeError(errors.front(), false) + ")";
  return text;
}

}  // namespace

SilentImportResult silentImport(std::string_view path, db::Catalogue& catalogue,
                                exports::IncomingRecords& incoming, std::string_view databaseFolder,
                                BatchRecord* batch) {
  SilentImportResult result;
  {
    platform::ProcedureScope scope("SILENTIMPORT");
    platform::ErrorTrap trap;
    result.parse = exports::PARSEEXPORT(path, catalogue, incoming, exports::ParseMode::Batch).outcome;
    if (result.parse != exports::ParseOutcome::Parsed) {
      result.code = kSilentNotOpened;
      result.problem = parseProblem(result.parse, trap.errors());
      return result;
    }
    if (trap.failed()) {
      result.code = kSilentStopped;
      result.problem =
          "The export file could not be read: " + platform::describeError(trap.errors().front(), false) + ".";
      return result;
    }
  }

  evaluateSelection(incoming);
  const RunLogging logging = batchLogging();
  const PreparedImport prepared = prepareImport(incoming, catalogue, MappingRows{}, databaseFolder, logging);
  result.run = finishImport(prepared, incoming, ConfirmImport{}, logging, batch);
  result.problem = describeRunProblem(result.run);
  result.code = result.run.imported() ? kSilentImported : kSilentStopped;

  // A commit that was undone leaves the database as the catalogue holds it; anything else may have
  // changed the files.
  const bool rolledBack = result.run.commit && result.run.commit->status == CommitStatus::RolledBack;
  if (result.run.commit && !rolledBack) db::LOADDBS(catalogue, databaseFolder, 1, 0, {});
  return result;
}

int32_t SILENTIMPORT(std::string_view path) {
  return silentImport(path, db::catalogue(), exports::incoming(), services::program().databaseFolder).code;
}

std::string batchShortName(std::string_view path) {
  const size_t separator = path.find_last_of("\\/");
  if (separator != std::string_view::npos) return std::string(path.substr(separator + 1));
  if (path.size() <= kShortNameLimit) return std::string(path);
  return std::string(path.substr(0, kShortNameEnds)) + "..." +
         std::string(path.substr(path.size() - kShortNameEnds));
}

std::string_view batchStatusPrefix(const SilentImportResult& result) {
  return result.code != kSilentImported ? "Import failed: " : "Imported: ";
}

BatchResult importBatch(const std::vector<std::string>& paths, std::string_view statusText,
                        db::Catalogue& catalogue, exports::IncomingRecords& incoming,
                        std::string_view databaseFolder, const BatchProgress& progress) {
  BatchResult batch;
  batch.statusText = std::string(statusText);
  const int32_t count = static_cast<int32_t>(paths.size());
  if (count == 0) return batch;
  if (progress) progress(0, count, batch.statusText);

  BatchRecord record;
  for (int32_t i = 1; i <= count; ++i) {
    BatchFile file;
    file.path = paths[static_cast<size_t>(i - 1)];
    file.result = silentImport(file.path, catalogue, incoming, databaseFolder, &record);
    // The status line is the program's text: the name as it reads, not its bytes.
    file.statusLine =
        std::string(batchStatusPrefix(file.result)) + batchShortName(platform::pathForDisplay(file.path));
    batch.statusText = file.statusLine + "\r\n" + batch.statusText;
    batch.files.push_back(std::move(file));
    if (progress) progress(i, count, batch.statusText);
    services::pumpEvents(kBatchPumpCount);
  }
  return batch;
}

BatchResult importBatch(const std::vector<std::string>& paths, std::string_view statusText,
                        const BatchProgress& progress) {
  return importBatch(paths, statusText, db::catalogue(), exports::incoming(),
                     services::program().databaseFolder, progress);
}

}  // namespace imports
