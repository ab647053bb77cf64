#include "import/commit.h"

#include "db/database_guard.h"
#include "import/unused_files.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "services/events.h"
#include "services/progress.h"

namespace imports {
namespace {

std::string failureList(const std::vector<FileFailure>& failures) {
  std::string text;
  for (const FileFailure& failure : failures) text += " " + describeFailure(failure) + ".";
  return text;
}

CommitResult rolledBack(FileFailure failure) {
  CommitResult result;
  result.status = CommitStatus::RolledBack;
  result.failure = std::move(failure);
  return result;
}

// A step replacing a file of the data folder: the target by its name on disk, the backup that name
// and ".bak". The paths may be given whole; only their names count.
platform::TransactionStep replacement(const std::string& folder, std::string_view newPath,
                                      std::string_view target) {
  platform::TransactionStep step;
  step.newFile = platform::nameOnDisk(folder, std::string(platform::fileNameOf(newPath)));
  step.target = platform::nameOnDisk(folder, std::string(platform::fileNameOf(target)));
  step.backup = platform::nameOnDisk(folder, step.target + ".bak");
  return step;
}

// The index of a kind as it is named on disk; a kind without one yet gets the name of its record
// file in the same letter case.
std::string indexNameOnDisk(const std::string& folder, RecordKind kind, std::string_view databaseFolder) {
  const std::string records =
      platform::nameOnDisk(folder, std::string(platform::fileNameOf(databaseFile(databaseFolder, kind))));
  return platform::nameOnDisk(folder, db::withExtension(records, "idx"));
}

constexpr RecordKind kRecordOrder[] = {RecordKind::Wrestler, RecordKind::Move, RecordKind::Dive,
                                       RecordKind::Manager, RecordKind::Team};
constexpr RecordKind kIndexOrder[] = {RecordKind::Move, RecordKind::Wrestler, RecordKind::Manager,
                                      RecordKind::Team, RecordKind::Dive};

}  // namespace

std::string describeCommit(const CommitResult& result) {
  switch (result.status) {
    case CommitStatus::Committed: {
      std::string text = "The new files are in place.";
      if (!result.cleanupFailures.empty()) {
        text += " Some files could not be tidied away; the next start does it:" +
                failureList(result.cleanupFailures);
      }
      return text;
    }
    case CommitStatus::RolledBack:
      return "The database was not changed. " +
             (result.failure ? describeFailure(*result.failure) + "." : "");
    case CommitStatus::RollbackIncomplete:
      return "The database could not be restored completely; the next start of the wizard repairs it. " +
             (result.failure ? describeFailure(*result.failure) + "." : "") +
             failureList(result.rollbackFailures);
  }
  return "";
}

std::optional<FileFailure> writeCountFile(std::string_view databaseFolder, const RecordCounts& newTotals) {
  const std::string path = newCountFile(databaseFolder);
  FileErrorTrap trap;
  NewFileGuard guard;
  OpenedFile file;
  file.open(path, platform::FileMode::Output);
  if (auto failure = trap.take("open", path)) return failure;
  guard.begun(path);
  for (int32_t total : {newTotals.wrestlers, newTotals.moves, newTotals.managers}) {
    platform::writeLine(file.number(), numberLine(total));
    if (auto failure = trap.take("write", path)) return failure;
  }
  platform::flushFile(file.number());
  if (auto failure = trap.take("flush", path)) return failure;
  file.close();
  if (auto failure = trap.take("close", path)) return failure;
  guard.finished();
  return std::nullopt;
}

CommitResult BACKUPANDWRITE(std::string_view newPath, std::string_view target) {
  platform::ProcedureScope scope("BACKUPANDWRITE");
  const std::string folder(platform::folderOf(target));
  platform::Transaction transaction;
  transaction.label = "replace";
  transaction.steps.push_back(replacement(folder, newPath, target));
  return platform::commitTransaction(platform::TransactionFiles{folder, std::string(db::kJournalFile), ""},
                                     std::move(transaction));
}

std::optional<FileFailure> MAKEINDEX(std::string_view recordFile, int32_t linesPerRecord,
                                     std::string_view indexFile, int32_t headerLines) {
  platform::ProcedureScope scope("MAKEINDEX");
  FileErrorTrap trap;
  NewFileGuard guard;
  OpenedFile records;
  OpenedFile index;
  records.open(recordFile, platform::FileMode::Input);
  if (auto failure = trap.take("open", recordFile)) return failure;
  index.open(indexFile, platform::FileMode::Output);
  if (auto failure = trap.take("open", indexFile)) return failure;
  guard.begun(std::string(indexFile));

  // Lines are skipped only while there are any, so a short last record does not read past the end.
  auto skipLines = [&records](int32_t count) { platform::skipLines(records.number(), count); };
  skipLines(headerLines);
  if (auto failure = trap.take("read", recordFile)) return failure;
  for (;;) {
    services::keepResponsive();
    const bool atEnd = platform::endOfFile(records.number());
    if (auto failure = trap.take("read", recordFile)) return failure;
    if (atEnd) break;
    const int64_t position = platform::filePosition(records.number());
    if (auto failure = trap.take("read", recordFile)) return failure;
    platform::writeLine(index.number(), numberLine(position));
    if (auto failure = trap.take("write", indexFile)) return failure;
    skipLines(linesPerRecord);
    if (auto failure = trap.take("read", recordFile)) return failure;
  }
  platform::flushFile(index.number());
  if (auto failure = trap.take("flush", indexFile)) return failure;
  index.close();
  if (auto failure = trap.take("close", indexFile)) return failure;
  records.close();
  if (auto failure = trap.take("close", recordFile)) return failure;
  guard.finished();
  return std::nullopt;
}

CommitResult commitImport(std::string_view databaseFolder, const RecordCounts& newTotals,
                          std::string_view label) {
  platform::ProcedureScope scope("BACKUPANDWRITE");
  if (auto failure = writeCountFile(databaseFolder, newTotals)) return rolledBack(*failure);
  // The count file and the indexes are the commit's own: a commit that changes nothing removes them.
  std::vector<std::string> written{newCountFile(databaseFolder)};

  const std::string folder = db::dataFolder(databaseFolder);
  platform::Transaction transaction;
  transaction.label = std::string(label);
  for (RecordKind kind : kRecordOrder) {
    transaction.steps.push_back(
        replacement(folder, newFile(databaseFolder, kind), databaseFile(databaseFolder, kind)));
  }
  transaction.steps.push_back(replacement(folder, newCountFile(databaseFolder), countFile(databaseFolder)));

  // The indexes are made from the new record files, which keep their byte positions when renamed.
  const services::ProgressStep indexing("Building the indexes");
  int32_t indexesBuilt = 0;
  for (RecordKind kind : kIndexOrder) {
    services::reportProgress(indexesBuilt++, static_cast<int64_t>(std::size(kIndexOrder)));
    const std::string index = indexNameOnDisk(folder, kind, databaseFolder);
    const std::string newIndex = index + ".new";
    if (auto failure = MAKEINDEX(newFile(databaseFolder, kind), linesPerRecord(kind),
                                 platform::pathIn(folder, newIndex), 1)) {
      removeUnusedFiles(written);
      return rolledBack(*failure);
    }
    written.push_back(platform::pathIn(folder, newIndex));
    transaction.steps.push_back(replacement(folder, newIndex, index));
  }
  const services::ProgressStep replacing("Putting the new files in place");
  CommitResult result =
      platform::commitTransaction(db::databaseTransactionFiles(databaseFolder), std::move(transaction));
  // Undone only in part, the change is finished or undone by the next start from its journal, which
  // needs every new file.
  if (result.status == CommitStatus::RolledBack) removeUnusedFiles(written);
  return result;
}

}  // namespace imports
