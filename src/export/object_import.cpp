#include "export/object_import.h"

#include <string>
#include <vector>

#include "db/codecs.h"
#include "db/database_guard.h"
#include "db/load_database.h"
#include "db/load_report.h"
#include "db/number_line.h"
#include "db/record_scan.h"
#include "export/parser.h"
#include "export/streams.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "platform/file_transaction.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "services/messages.h"
#include "services/program.h"

namespace exports {

namespace {

using platform::FileMode;

struct KindConstants {
  const char* procedure;
  int recordLines;
  const char* databaseFile;  // relative to the game folder
  const char* newFile;
  const char* noun;
  const char* pluralVerb;
};

constexpr KindConstants kObjects{
    .procedure = "IMPORTOBJECTS",
    .recordLines = db::kObjectLines,
    .databaseFile = "data\\objects.dat",
    .newFile = "data\\objects.new",
    .noun = " foreign object",
    .pluralVerb = "s have",
};
constexpr KindConstants kGimmicks{
    .procedure = "IMPORTGIMMICKS",
    .recordLines = db::kGimmickLines,
    .databaseFile = "data\\gimmicks.dat",
    .newFile = "data\\gimmicks.new",
    .noun = " gimmick match",
    .pluralVerb = "es have",
};

const KindConstants& constantsOf(ObjectExportKind kind) {
  return kind == ObjectExportKind::Objects ? kObjects : kGimmicks;
}

std::string inFolder(std::string_view folder, std::string_view relative) {
  return std::string(folder) + "\\" + std::string(relative);
}

// True when the database has a record of this name: objects by their article-free name, gimmick
// matches by their name, both exact.
bool alreadyPresent(ObjectExportKind kind, const db::Catalogue& catalogue, std::string_view firstLine) {
  if (kind == ObjectExportKind::Objects) {
    return db::UDTSCANZ(
               catalogue.Objects, [](const db::ForeignObject& o) { return memory::heapText(o.ListName); },
               db::REMOVEARTICLE(firstLine), 1, catalogue.ObjectCount, false) != 0;
  }
  return db::UDTSCANZ(
             catalogue.Gimmicks, [](const db::GimmickMatch& g) { return memory::heapText(g.Name); },
             firstLine, 1, catalogue.GimmickCount, false) != 0;
}

// The file operations of one import run under an error trap, so that a failure stops the run with
// the database file untouched and the user is told which step failed.
class Steps {
 public:
  // True while nothing has failed; the first failure is remembered with the step it happened in.
  bool ok(std::string_view step) {
    if (failedStep_.empty() && trap_.failed()) failedStep_ = std::string(step);
    return failedStep_.empty();
  }
  bool failed() const { return !failedStep_.empty() || trap_.failed(); }

  std::string failureText(std::string_view databaseFile) const {
    std::string text = "The import failed";
    if (!trap_.errors().empty()) {
      const platform::UntrappedError& error = trap_.errors().front();
      text += " (error " + std::to_string(error.number) + ", " + error.description + ")";
    }
    text += " while " + failedStep_ + ". The database file " + std::string(databaseFile) +
            (unrestored_ ? " could not be restored completely; the next start of the wizard repairs it."
                         : " has not been changed.");
    return text;
  }

  // A failed change whose undoing failed too: its journal stays for the next start.
  void failUnrestored(std::string_view step) {
    fail(step);
    unrestored_ = true;
  }

  bool unrestored() const { return unrestored_; }

  // Marks a failure that is not a file operation (a damaged count).
  void fail(std::string_view step) {
    if (failedStep_.empty()) failedStep_ = std::string(step);
  }

 private:
  platform::ErrorTrap trap_;
  std::string failedStep_;
  bool unrestored_ = false;
};

int openNumbered(std::string_view path, FileMode mode) {
  const int number = platform::freeFileNumber();
  if (number <= 0) return 0;
  return platform::openFile(number, path, mode) ? number : 0;
}

void closeStream(int32_t& stream) {
  if (stream > 0) CLOSECRYPT(stream);
  stream = 0;
}

// Writes the records the database lacks to the staging file. Returns false for a damaged export:
// fewer records than it announces (the missing ones would be appended as nameless records), or a
// line that would break the database file's line structure.
bool stageNewRecords(ObjectExportKind kind, const KindConstants& k, int32_t stream, int staging,
                     const db::Catalogue& catalogue, ImportResult& result, Steps& steps) {
  std::vector<std::string> lines(static_cast<size_t>(k.recordLines));
  for (int32_t r = 1; r <= result.announced; ++r) {
    if (CRYPTEOF(stream)) return false;
    for (std::string& line : lines) {
      line = INPUTCRYPT(stream);
      if (holdsLineBreak(line)) return false;
    }
    if (!steps.ok("reading the export file")) return true;
    if (alreadyPresent(kind, catalogue, lines[0])) continue;
    ++result.added;
    for (const std::string& line : lines) platform::writeLine(staging, line);
    if (!steps.ok("writing import.txx")) return true;
  }
  return true;
}

struct Paths {
  std::string database, newFile, staging;
};

// Copies `lines` lines from one open file to another, stopping at the first failure.
void copyLines(int from, int to, int64_t lines, std::string_view reading, std::string_view writing,
               Steps& steps) {
  for (int64_t n = 0; n < lines; ++n) {
    const std::string line = platform::readLine(from);
    if (!steps.ok(reading)) return;
    platform::writeLine(to, line);
    if (!steps.ok(writing)) return;
  }
}

// Writes the new database file: the old records, then the staged ones, under a new count; flushed
// to the disk before it may replace the database file. Returns whether it created the new file.
bool writeNewFile(const KindConstants& k, const Paths& paths, int32_t added, Steps& steps) {
  const std::string reading = std::string("reading ") + k.databaseFile;
  const std::string writing = std::string("writing ") + k.newFile;
  const std::string readingStaged = "reading import.txx";
  const int database = openNumbered(paths.database, FileMode::Input);
  int target = 0;
  int staging = 0;
  if (steps.ok(reading)) target = openNumbered(paths.newFile, FileMode::Output);
  if (steps.ok(writing)) staging = openNumbered(paths.staging, FileMode::Input);
  int32_t existing = 0;
  if (steps.ok(readingStaged)) existing = platform::readNumber(database);
  if (steps.ok(reading) && existing < 0) steps.fail(reading + " (its record count is negative)");
  if (steps.ok(reading)) platform::writeLine(target, db::numberLine(int64_t{existing} + added));
  if (steps.ok(writing)) {
    copyLines(database, target, int64_t{existing} * k.recordLines, reading, writing, steps);
  }
  if (steps.ok(writing)) {
    copyLines(staging, target, int64_t{added} * k.recordLines, readingStaged, writing, steps);
  }
  if (steps.ok(writing)) platform::flushFile(target);
  platform::closeFile(staging);
  platform::closeFile(target);
  platform::closeFile(database);
  steps.ok(writing);
  return target > 0;
}

// Puts the new file in place as one change of the database: the previous version kept as ".old", the
// index removed. A process that dies meanwhile leaves a journal from which the next start finishes it.
void replaceDatabaseFile(ObjectExportKind kind, const KindConstants& k, std::string_view gameFolder,
                         Steps& steps) {
  const std::string folder = db::dataFolder(gameFolder);
  platform::Transaction transaction;
  transaction.label = kind == ObjectExportKind::Objects ? db::kObjectImportChange : db::kGimmickImportChange;
  platform::TransactionStep replace;
  replace.newFile = platform::nameOnDisk(folder, std::string(platform::fileNameOf(k.newFile)));
  replace.target = platform::nameOnDisk(folder, std::string(platform::fileNameOf(k.databaseFile)));
  replace.backup = platform::nameOnDisk(folder, db::withExtension(replace.target, "old"));
  transaction.steps.push_back(replace);
  platform::TransactionStep removeIndex;
  removeIndex.what = platform::TransactionStep::Action::Remove;
  removeIndex.target = platform::nameOnDisk(folder, db::withExtension(replace.target, "idx"));
  transaction.steps.push_back(removeIndex);

  const platform::TransactionResult result =
      platform::commitTransaction(db::databaseTransactionFiles(gameFolder), std::move(transaction));
  if (result.committed()) return;
  const std::string step =
      std::string("replacing ") + k.databaseFile + " (" + platform::describeFailure(*result.failure) + ")";
  if (result.status == platform::TransactionStatus::RollbackIncomplete) {
    steps.failUnrestored(step);
  } else {
    steps.fail(step);
  }
}

ImportResult withOutcome(ImportResult result, ImportOutcome outcome, std::string message) {
  result.outcome = outcome;
  result.message = std::move(message);
  return result;
}

// Everything but the message and the reload, under one error trap: the count, the staging file, the
// new database file and its move into place. The stream is closed on every road.
ImportResult runImport(ObjectExportKind kind, const KindConstants& k, int32_t& stream,
                       const db::Catalogue& catalogue, std::string_view gameFolder) {
  ImportResult result;
  Steps steps;
  const int32_t count = countValue(INPUTCRYPT(stream));
  if (!steps.ok("reading the export file")) {
    closeStream(stream);
    return withOutcome(result, ImportOutcome::Failed, steps.failureText(k.databaseFile));
  }
  if (count < 0) {
    closeStream(stream);
    return withOutcome(result, ImportOutcome::Corrupt, std::string(kCorruptFileMessage));
  }
  result.announced = count;

  const Paths paths{inFolder(gameFolder, k.databaseFile), inFolder(gameFolder, k.newFile),
                    inFolder(gameFolder, kStagingFile)};
  if (!platform::fileExists(paths.database)) {
    closeStream(stream);
    return withOutcome(result, ImportOutcome::DatabaseMissing,
                       std::string("The database file ") + k.databaseFile +
                           " could not be found. Nothing has been imported.");
  }
  // The names already present come from the catalogue: with a file not read completely, records it
  // holds would be taken for new ones and added a second time.
  const int32_t loadBit = kind == ObjectExportKind::Objects ? db::kLoadObjects : db::kLoadGimmicks;
  if (const std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, loadBit)) {
    closeStream(stream);
    return withOutcome(result, ImportOutcome::Failed,
                       "The import was stopped: " + db::describeLoadProblem(*problem) +
                           ". Nothing has been imported. Close and start again once the file can be read.");
  }
  // Written since the load, the file would lose what it gained (the caller holds the lock).
  if (const std::optional<std::string> changed = db::changedSinceLoad(catalogue, loadBit)) {
    closeStream(stream);
    return withOutcome(result, ImportOutcome::Failed,
                       "The import was stopped: " + db::describeChangedFile(*changed) +
                           ". Nothing has been imported. Close and start again, then repeat the import.");
  }

  bool complete = true;
  const int staging = openNumbered(paths.staging, FileMode::Output);
  if (steps.ok("creating import.txx")) {
    complete = stageNewRecords(kind, k, stream, staging, catalogue, result, steps);
  }
  platform::closeFile(staging);
  closeStream(stream);
  if (!complete) return withOutcome(result, ImportOutcome::Corrupt, std::string(kCorruptFileMessage));

  bool newFileWritten = false;
  if (steps.ok("writing import.txx")) newFileWritten = writeNewFile(k, paths, result.added, steps);
  if (!steps.failed()) replaceDatabaseFile(kind, k, gameFolder, steps);
  if (steps.failed()) {
    std::string text = steps.failureText(k.databaseFile);
    // Only a new file this import wrote goes; a change left for the next start to repair may still
    // need it.
    if (newFileWritten && !steps.unrestored() && platform::fileExists(paths.newFile)) {
      platform::deleteFile(paths.newFile);
    }
    return withOutcome(result, ImportOutcome::Failed, std::move(text));
  }

  return withOutcome(result, ImportOutcome::Imported, importSummary(kind, result.added, result.announced));
}

ImportResult importRecords(ObjectExportKind kind, int32_t& stream, db::Catalogue& catalogue,
                           std::string_view gameFolder) {
  const KindConstants& k = constantsOf(kind);
  platform::ProcedureScope scope(k.procedure);
  // The staging file, the new file and the change are this import's alone.
  db::DatabaseLock lock;
  ImportResult result;
  if (lock.acquireForChange(gameFolder)) {
    result = runImport(kind, k, stream, catalogue, gameFolder);
  } else {
    closeStream(stream);
    result = withOutcome(result, ImportOutcome::Failed, lock.refusal() + " Nothing has been imported.");
  }
  lock.release();
  if (result.outcome == ImportOutcome::Imported) db::LOADDBS(catalogue, gameFolder, 1, 0, {});
  return result;
}

}  // namespace

std::string importSummary(ObjectExportKind kind, int32_t added, int32_t announced) {
  const KindConstants& k = constantsOf(kind);
  std::string text =
      std::to_string(added) + k.noun + (added == 1 ? " has" : k.pluralVerb) + " been imported successfully.";
  if (added != announced) {
    const int32_t present = announced - added;
    text += " " + std::to_string(present) + (present == 1 ? " was" : " were") + " already in the database.";
  }
  return text;
}

ImportResult IMPORTOBJECTS(int32_t& stream, db::Catalogue& catalogue, std::string_view gameFolder) {
  return importRecords(ObjectExportKind::Objects, stream, catalogue, gameFolder);
}

ImportResult IMPORTGIMMICKS(int32_t& stream, db::Catalogue& catalogue, std::string_view gameFolder) {
  return importRecords(ObjectExportKind::Gimmicks, stream, catalogue, gameFolder);
}

ImportResult IMPORTOBJECTS(int32_t& stream) {
  return IMPORTOBJECTS(stream, db::catalogue(), services::program().databaseFolder);
}

ImportResult IMPORTGIMMICKS(int32_t& stream) {
  return IMPORTGIMMICKS(stream, db::catalogue(), services::program().databaseFolder);
}

}  // namespace exports
