#include "import/batch_import.h"

#include "db/load_database.h"
#include "import/selection.h"
#include "platform/errors.h"
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
                                exports::IncomingRecords& incoming, std::string_view databaseFolder) {
  SilentImportResult result;
  {
    platform::ProcedureScope scope("SILENTIMPORT");
    platform::ErrorTrap trap;
    result.Parse = exports::PARSEEXPORT(path, catalogue, incoming, exports::ParseMode::Batch).outcome;
    if (result.Parse != exports::ParseOutcome::Parsed) {
      result.Code = kSilentNotOpened;
      result.Problem = parseProblem(result.Parse, trap.errors());
      return result;
    }
    if (trap.failed()) {
      result.Code = kSilentStopped;
      result.Problem =
          "The export file could not be read: " + platform::describeError(trap.errors().front(), false) + ".";
      return result;
    }
  }

  evaluateSelection(incoming);
  const RunLogging logging = batchLogging();
  const PreparedImport prepared = prepareImport(incoming, catalogue, MappingRows{}, databaseFolder, logging);
  result.Run = finishImport(prepared, incoming, ConfirmImport{}, logging);
  result.Problem = describeRunProblem(result.Run);
  result.Code = result.Run.imported() ? kSilentImported : kSilentStopped;

  // A commit that was undone leaves the database as the catalogue holds it; anything else may have
  // changed the files.
  const bool rolledBack = result.Run.Commit && result.Run.Commit->Status == CommitStatus::RolledBack;
  if (result.Run.Commit && !rolledBack) db::LOADDBS(catalogue, databaseFolder, 1, 0, {});
  return result;
}

int32_t SILENTIMPORT(std::string_view path) {
  return silentImport(path, db::catalogue(), exports::incoming(), services::program().databaseFolder).Code;
}

std::string batchShortName(std::string_view path) {
  const size_t separator = path.find_last_of("\\/");
  if (separator != std::string_view::npos) return std::string(path.substr(separator + 1));
  if (path.size() <= kShortNameLimit) return std::string(path);
  return std::string(path.substr(0, kShortNameEnds)) + "..." +
         std::string(path.substr(path.size() - kShortNameEnds));
}

std::string_view batchStatusPrefix(const SilentImportResult& result) {
  return result.Code != kSilentImported ? "Import failed: " : "Imported: ";
}

BatchResult importBatch(const std::vector<std::string>& paths, std::string_view statusText,
                        db::Catalogue& catalogue, exports::IncomingRecords& incoming,
                        std::string_view databaseFolder, const BatchProgress& progress) {
  BatchResult batch;
  batch.StatusText = std::string(statusText);
  const int32_t count = static_cast<int32_t>(paths.size());
  if (count == 0) return batch;
  if (progress) progress(0, count, batch.StatusText);

  for (int32_t i = 1; i <= count; ++i) {
    BatchFile file;
    file.Path = paths[static_cast<size_t>(i - 1)];
    file.Result = silentImport(file.Path, catalogue, incoming, databaseFolder);
    file.StatusLine = std::string(batchStatusPrefix(file.Result)) + batchShortName(file.Path);
    batch.StatusText = file.StatusLine + "\r\n" + batch.StatusText;
    batch.Files.push_back(std::move(file));
    if (progress) progress(i, count, batch.StatusText);
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
