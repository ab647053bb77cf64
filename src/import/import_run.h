// The import run: the mapping rows (passes 1 and 2), numbering (3), identifier maps (4), translation of
// every reference (5), the write-out of the ".new" files (6), the confirmation (7) and the commit (8).
// Passes 1 to 5 only change the incoming records in memory and yield the plan; nothing is written
// before pass 6 and the database is not touched before pass 8. The catalogue is only read: after a
// commit the caller reloads it.
//
// A failure ends the run safely: errors raised during the run are trapped, a failing write-out or
// commit leaves the database as it was, and the result says which file failed and why. A run that
// puts nothing in place (No, a refusal, a failure) leaves none of the new files it wrote, except after
// a commit undone only in part: the repair of the next start needs them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "db/load_report.h"
#include "export/incoming.h"
#include "import/batch_record.h"
#include "import/commit.h"
#include "import/import_plan.h"
#include "import/mapping_rows.h"
#include "import/translation.h"
#include "import/writer.h"
#include "platform/errors.h"
#include "services/messages.h"

namespace imports {

// Which diagnostic lines the run passes to the log. The interactive run logs everything; the batch
// run leaves out the numbering, the map listing, the translation headings, the "Before: " line of the
// team move texts, the write-out headings, the replaced wrestlers and "Done.".
struct RunLogging {
  bool numbering = true;
  bool maps = true;
  TranslationOptions translation;
  WriteOptions writing;
  bool done = true;
};
RunLogging interactiveLogging();
RunLogging batchLogging();

// The outcome of passes 1 to 5.
struct PreparedImport {
  ExistingDatabase database;
  RecordCounts newTotals;
  ImportPlan plan;
  std::vector<platform::UntrappedError> errors;  // raised while preparing: the run cannot go on
  // A file the run rewrites that the catalogue does not hold completely: the run must not write.
  std::optional<db::LoadProblem> incompleteLoad;
  std::vector<db::KindLoad> loadedFiles;  // the rewritten files as the load found them
};

PreparedImport prepareImport(exports::IncomingRecords& incoming, const db::Catalogue& catalogue,
                             const MappingRows& rows, std::string_view databaseFolder,
                             const RunLogging& logging = {});

// Pass 7: true lets the run commit. It is asked after the write-out, with the plan.
using ConfirmImport = std::function<bool(const ImportPlan& plan)>;
inline constexpr std::string_view kConfirmText =
    "{?}{2}Please confirm that you wish to import the selected data.";
inline constexpr std::string_view kSuccessText = "{i}The selected wrestlers were imported successfully.";
// The plain confirmation question on "MAIN" (Yes, 1, confirms), for a front end to ask.
services::MessageBoxRequest confirmationQuestion();

enum class RunOutcome {
  Imported,  // committed (see problems in commit: indexes, old backups)
  Declined,  // the confirmation was answered No: the database is unchanged, the ".new" files removed
  Failed,    // stopped by a failure; the database is as it was unless commit says otherwise
};

struct ImportRunResult {
  RunOutcome outcome = RunOutcome::Failed;
  ImportPlan plan;
  std::string
      refusal;  // why the run could not begin to write (the database is locked, ...); "" when it could
  std::optional<FileFailure> writeFailure;
  std::optional<CommitResult> commit;
  std::vector<platform::UntrappedError> errors;   // raised during the run outside the checked file steps
  std::optional<db::LoadProblem> incompleteLoad;  // why the run wrote nothing, when the load was incomplete
  // A file of a batch: why the batch can no longer be undone as a whole; "" when it can.
  std::string batchRecordProblem;
  // What PROCESSIMPORT has to tell the user afterwards, in order; the front end shows them.
  std::vector<services::MessageBoxRequest> messages;

  bool imported() const { return outcome == RunOutcome::Imported; }
};

// Passes 6 to 8. Without a confirmation the run commits at once. A run that is a file of a batch
// keeps the batch's record beside its commit (import/batch_record.h).
ImportRunResult finishImport(const PreparedImport& prepared, const exports::IncomingRecords& incoming,
                             const ConfirmImport& confirm, const RunLogging& logging = {},
                             BatchRecord* batch = nullptr);

// What the user is told: why the run failed, or what its commit left undone; "" when there is nothing
// to tell.
std::string describeRunProblem(const ImportRunResult& result);

// The interactive run from the Import command: passes 1 to 8; its messages hold the success box, or a
// stop box saying what failed. The wizard's reset (and with it the reload of the catalogue) is the
// caller's.
ImportRunResult PROCESSIMPORT(exports::IncomingRecords& incoming, const db::Catalogue& catalogue,
                              const MappingRows& rows, std::string_view databaseFolder,
                              const ConfirmImport& confirm);
// On the process-wide incoming records, catalogue and database folder.
ImportRunResult PROCESSIMPORT(const MappingRows& rows, const ConfirmImport& confirm);

}  // namespace imports
