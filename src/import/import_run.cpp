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
  logging.numbering = false;
  logging.maps = false;
  logging.translation.logHeadings = false;
  logging.translation.logTeamTextBefore = false;
  logging.writing.logHeadings = false;
  logging.writing.logReplacements = false;
  logging.done = false;
  return logging;
}

PreparedImport prepareImport(exports::IncomingRecords& incoming, const db::Catalogue& catalogue,
                             const MappingRows& rows, std::string_view databaseFolder,
                             const RunLogging& logging) {
  platform::ProcedureScope scope(kProcedure);
  platform::ErrorTrap trap;
  PreparedImport prepared;
  prepared.database = existingDatabaseOf(catalogue, databaseFolder);
  prepared.incompleteLoad = db::incompleteLoad(catalogue, kRewrittenKinds);
  prepared.loadedFiles = db::loadedFiles(catalogue, kRewrittenKinds);

  std::vector<AppliedMapping> mappings = applyMappings(rows, incoming, catalogue);
  prepared.newTotals = numberNewRecords(incoming, prepared.database.counts, logging.numbering);

  const IdentifierMaps maps = buildIdentifierMaps(incoming, findMaxSourceNumbers(incoming));
  if (logging.maps) {
    logMap("Dive map:", maps.DiveMap);
    logMap("Move map:", maps.MoveMap);
    logMap("Manager map:", maps.ManagerMap);
  }
  RemapWarnings warnings = translateReferences(incoming, maps, logging.translation);

  prepared.plan = planImport(incoming, prepared.database, prepared.newTotals);
  prepared.plan.mappings = std::move(mappings);
  prepared.plan.droppedReferences = std::move(warnings);
  takeErrors(trap, prepared.errors);
  return prepared;
}

services::MessageBoxRequest confirmationQuestion() {
  return services::MessageBoxRequest{"MAIN", std::string(kConfirmText), services::program().title, "YN"};
}

ImportRunResult finishImport(const PreparedImport& prepared, const exports::IncomingRecords& incoming,
                             const ConfirmImport& confirm, const RunLogging& logging, BatchRecord* batch) {
  platform::ProcedureScope scope(kProcedure);
  platform::ErrorTrap trap;
  ImportRunResult result;
  result.plan = prepared.plan;
  result.errors = prepared.errors;
  if (!result.errors.empty()) return result;
  // Rewriting a file the load did not read completely would lose the records it did not read.
  result.incompleteLoad = prepared.incompleteLoad;
  if (result.incompleteLoad) return result;

  // From the write-out to the commit this run is the database's only writer.
  db::DatabaseLock lock;
  if (!lock.acquireForChange(prepared.database.folder)) {
    result.refusal = lock.refusal();
    return result;
  }
  // Written since the load (by another import, or the game), a file would lose what it gained.
  if (const std::optional<std::string> changed = db::firstChanged(prepared.loadedFiles)) {
    result.refusal =
        db::describeChangedFile(*changed) + ". Close the wizard and start it again, then repeat the import.";
    return result;
  }

  // A failing write-out removes what it wrote itself.
  result.writeFailure = writeDatabase(prepared.database, prepared.newTotals, incoming, logging.writing);
  takeErrors(trap, result.errors);
  if (result.writeFailure) return result;
  const std::string& folder = prepared.database.folder;
  if (!result.errors.empty()) {
    removeNewFiles(folder);
    return result;
  }
  if (logging.done) services::LOGM("Done.");

  if (confirm) {
    const bool confirmed = confirm(result.plan);
    takeErrors(trap, result.errors);
    if (!result.errors.empty() || !confirmed) {
      removeNewFiles(folder);
      if (result.errors.empty()) result.outcome = RunOutcome::Declined;
      return result;
    }
  }

  if (!batch) {
    result.commit = commitImport(folder, prepared.newTotals);
  } else {
    result.batchRecordProblem = keepBatchBackups(folder, *batch);
    result.commit = commitImport(folder, prepared.newTotals, nextCommitLabel(*batch));
    if (result.commit->committed())
      result.batchRecordProblem += recordBatchCommit(folder, *result.commit, *batch);
  }
  takeErrors(trap, result.errors);
  result.outcome = result.commit->committed() ? RunOutcome::Imported : RunOutcome::Failed;
  // A commit undone in part leaves its journal, whose repair at the next start needs the new files.
  if (result.commit->status == CommitStatus::RolledBack) removeNewFiles(folder);
  return result;
}

std::string describeRunProblem(const ImportRunResult& result) {
  std::string text;
  switch (result.outcome) {
    case RunOutcome::Declined:
      return text;
    case RunOutcome::Failed:
      if (result.incompleteLoad) {
        return "The import was stopped: " + db::describeLoadProblem(*result.incompleteLoad) + "." +
               std::string(kUnchanged) + " Close and start again once the file can be read.";
      }
      if (!result.refusal.empty())
        return "The import was not started: " + result.refusal + std::string(kUnchanged);
      if (result.writeFailure) {
        return "The import was stopped: " + describeFailure(*result.writeFailure) + "." +
               std::string(kUnchanged);
      }
      if (!result.commit) {
        if (result.errors.empty()) return "The import was stopped." + std::string(kUnchanged);
        return "The import was stopped: " + platform::describeError(result.errors.front()) + "." +
               std::string(kUnchanged);
      }
      text = "The import was stopped. " + describeCommit(*result.commit);
      break;
    case RunOutcome::Imported:
      if (result.commit && !result.commit->complete()) text = describeCommit(*result.commit);
      break;
  }
  if (!result.batchRecordProblem.empty()) text += (text.empty() ? "" : " ") + result.batchRecordProblem;
  for (const platform::UntrappedError& error : result.errors) {
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
  if (result.imported()) result.messages.push_back(services::mainFormBox(kSuccessText));
  if (!problem.empty()) result.messages.push_back(services::mainFormBox("{S}" + problem));
  return result;
}

ImportRunResult PROCESSIMPORT(const MappingRows& rows, const ConfirmImport& confirm) {
  return PROCESSIMPORT(exports::incoming(), db::catalogue(), rows, services::program().databaseFolder,
                       confirm);
}

}  // namespace imports
