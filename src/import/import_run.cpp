#include "import/import_run.h"

#include <utility>

#include "db/database_guard.h"
#include "db/load_database.h"
#include "import/identifier_maps.h"
#include "import/numbering.h"
#include "import/selection.h"
#include "services/log.h"
#include "services/messages.h"
#include "services/program.h"

namespace imports {
namespace {

constexpr std::string_view kProcedure = "PROCESSIMPORT";

void logMap(std::string_view heading, const IdentifierMap& map) {
  services::LOGM("");
  services::LOGM(heading);
  for (const std::string& line : mapEntryLines(map)) services::LOGM(line);
}

void takeErrors(platform::ErrorTrap& trap, std::vector<platform::UntrappedError>& into) {
  into.insert(into.end(), trap.errors().begin(), trap.errors().end());
  trap.clear();
}

constexpr std::string_view kUnchanged = " The database has not been changed.";

// The five files the write-out rewrites from what the catalogue holds.
constexpr int32_t kRewrittenKinds =
    db::kLoadWrestlers | db::kLoadMoves | db::kLoadDives | db::kLoadManagers | db::kLoadTeams;

}  // namespace

RunLogging interactiveLogging() {
  return RunLogging{};
}

RunLogging batchLogging() {
  RunLogging logging;
  logging.Numbering = false;
  logging.Maps = false;
  logging.Translation.LogHeadings = false;
  logging.Translation.LogTeamTextBefore = false;
  logging.Writing.LogHeadings = false;
  logging.Writing.LogReplacements = false;
  logging.Done = false;
  return logging;
}

PreparedImport prepareImport(exports::IncomingRecords& incoming, const db::Catalogue& catalogue,
                             const MappingRows& rows, std::string_view databaseFolder,
                             const RunLogging& logging) {
  platform::ProcedureScope scope(kProcedure);
  platform::ErrorTrap trap;
  PreparedImport prepared;
  prepared.Database = existingDatabaseOf(catalogue, databaseFolder);
  prepared.IncompleteLoad = db::incompleteLoad(catalogue, kRewrittenKinds);
  prepared.LoadedFiles = db::loadedFiles(catalogue, kRewrittenKinds);

  std::vector<AppliedMapping> mappings = applyMappings(rows, incoming, catalogue);
  prepared.NewTotals = numberNewRecords(incoming, prepared.Database.Counts, logging.Numbering);

  const IdentifierMaps maps = buildIdentifierMaps(incoming, findMaxSourceNumbers(incoming));
  if (logging.Maps) {
    logMap("Dive map:", maps.DiveMap);
    logMap("Move map:", maps.MoveMap);
    logMap("Manager map:", maps.ManagerMap);
  }
  RemapWarnings warnings = translateReferences(incoming, maps, logging.Translation);

  prepared.Plan = planImport(incoming, prepared.Database, prepared.NewTotals);
  prepared.Plan.Mappings = std::move(mappings);
  prepared.Plan.DroppedReferences = std::move(warnings);
  takeErrors(trap, prepared.Errors);
  return prepared;
}

services::MessageBoxRequest confirmationQuestion() {
  return services::MessageBoxRequest{"MAIN", std::string(kConfirmText), services::program().title, "YN"};
}

ImportRunResult finishImport(const PreparedImport& prepared, const exports::IncomingRecords& incoming,
                             const ConfirmImport& confirm, const RunLogging& logging) {
  platform::ProcedureScope scope(kProcedure);
  platform::ErrorTrap trap;
  ImportRunResult result;
  result.Plan = prepared.Plan;
  result.Errors = prepared.Errors;
  if (!result.Errors.empty()) return result;
  // Rewriting a file the load did not read completely would lose the records it did not read.
  result.IncompleteLoad = prepared.IncompleteLoad;
  if (result.IncompleteLoad) return result;

  // From the write-out to the commit this run is the database's only writer.
  db::DatabaseLock lock;
  if (!lock.acquireForChange(prepared.Database.Folder)) {
    result.Refusal = lock.refusal();
    return result;
  }
  // Written since the load (by another import, or the game), a file would lose what it gained.
  if (const std::optional<std::string> changed = db::firstChanged(prepared.LoadedFiles)) {
    result.Refusal =
        db::describeChangedFile(*changed) + ". Close the wizard and start it again, then repeat the import.";
    return result;
  }

  result.WriteFailure = writeDatabase(prepared.Database, prepared.NewTotals, incoming, logging.Writing);
  takeErrors(trap, result.Errors);
  if (result.WriteFailure || !result.Errors.empty()) return result;
  if (logging.Done) services::LOGM("Done.");

  if (confirm) {
    const bool confirmed = confirm(result.Plan);
    takeErrors(trap, result.Errors);
    if (!result.Errors.empty()) return result;
    if (!confirmed) {
      result.Outcome = RunOutcome::Declined;
      return result;
    }
  }

  result.Commit = commitImport(prepared.Database.Folder, prepared.NewTotals);
  takeErrors(trap, result.Errors);
  result.Outcome = result.Commit->committed() ? RunOutcome::Imported : RunOutcome::Failed;
  return result;
}

std::string describeRunProblem(const ImportRunResult& result) {
  std::string text;
  switch (result.Outcome) {
    case RunOutcome::Declined:
      return text;
    case RunOutcome::Failed:
      if (result.IncompleteLoad) {
        return "The import was stopped: " + db::describeLoadProblem(*result.IncompleteLoad) + "." +
               std::string(kUnchanged) + " Close and start again once the file can be read.";
      }
      if (!result.Refusal.empty())
        return "The import was not started: " + result.Refusal + std::string(kUnchanged);
      if (result.WriteFailure) {
        return "The import was stopped: " + describeFailure(*result.WriteFailure) + "." +
               std::string(kUnchanged);
      }
      if (!result.Commit) {
        if (result.Errors.empty()) return "The import was stopped." + std::string(kUnchanged);
        return "The import was stopped: " + platform::describeError(result.Errors.front()) + "." +
               std::string(kUnchanged);
      }
      text = "The import was stopped. " + describeCommit(*result.Commit);
      break;
    case RunOutcome::Imported:
      if (result.Commit && !result.Commit->complete()) text = describeCommit(*result.Commit);
      break;
  }
  for (const platform::UntrappedError& error : result.Errors) {
    text +=
        (text.empty() ? "" : " ") + std::string("During the import: ") + platform::describeError(error) + ".";
  }
  return text;
}

ImportRunResult PROCESSIMPORT(exports::IncomingRecords& incoming, const db::Catalogue& catalogue,
                              const MappingRows& rows, std::string_view databaseFolder,
                              const ConfirmImport& confirm) {
  const PreparedImport prepared =
      prepareImport(incoming, catalogue, rows, databaseFolder, interactiveLogging());
  ImportRunResult result = finishImport(prepared, incoming, confirm, interactiveLogging());
  const std::string problem = describeRunProblem(result);
  if (result.imported()) result.Messages.push_back(services::mainFormBox(kSuccessText));
  if (!problem.empty()) result.Messages.push_back(services::mainFormBox("{S}" + problem));
  return result;
}

ImportRunResult PROCESSIMPORT(const MappingRows& rows, const ConfirmImport& confirm) {
  return PROCESSIMPORT(exports::incoming(), db::catalogue(), rows, services::program().databaseFolder,
                       confirm);
}

}  // namespace imports
