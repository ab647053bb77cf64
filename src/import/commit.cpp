#include "import/commit.h"

#include "platform/files.h"

namespace imports {
namespace {

// A new file and the target it replaces.
struct Replacement {
  std::string Source;
  std::string Target;
};

std::string backupName(std::string_view target) {
  return std::string(target) + ".bak";
}
// Where the previous backup waits until every target is in place.
std::string asideName(std::string_view target) {
  return std::string(target) + std::string(kAsideSuffix);
}

FileFailure missingFile(const std::string& path) {
  return FileFailure{"find", path, "", platform::kErrFileNotFound,
                     std::string(platform::errorDescription(platform::kErrFileNotFound))};
}

// Replaces a set of files step by step, remembering every rename so that the set can be put back.
class ReplacementJournal {
 public:
  // Checks that every new file exists and removes set-aside backups a broken earlier run left.
  std::optional<FileFailure> prepare(const std::vector<Replacement>& replacements) {
    for (const Replacement& replacement : replacements) {
      const bool present = platform::fileExists(replacement.Source);
      if (auto failure = trap_.take("find", replacement.Source)) return failure;
      if (!present) return missingFile(replacement.Source);
      const std::string aside = asideName(replacement.Target);
      const bool stale = platform::fileExists(aside);
      if (auto failure = trap_.take("find", aside)) return failure;
      if (stale) {
        platform::deleteFile(aside);
        if (auto failure = trap_.take("delete", aside)) return failure;
      }
    }
    return std::nullopt;
  }

  // The previous backup steps aside, the target becomes the backup, the new file the target.
  std::optional<FileFailure> replace(const Replacement& replacement) {
    const std::string& target = replacement.Target;
    const std::string backup = backupName(target);
    const std::string aside = asideName(target);

    const bool hasBackup = platform::fileExists(backup);
    if (auto failure = trap_.take("find", backup)) return failure;
    if (hasBackup) {
      if (auto failure = rename(backup, aside)) return failure;
    }
    const bool hasTarget = platform::fileExists(target);
    if (auto failure = trap_.take("find", target)) return failure;
    if (hasTarget) {
      if (auto failure = rename(target, backup)) return failure;
    }
    return rename(replacement.Source, target);
  }

  // Undoes every rename, the last first. Returns the renames that could not be undone.
  std::vector<FileFailure> rollback() {
    std::vector<FileFailure> failures;
    for (auto step = done_.rbegin(); step != done_.rend(); ++step) {
      platform::renameFile(step->To, step->From);
      if (auto failure = trap_.take("rename", step->To, step->From)) failures.push_back(*failure);
    }
    done_.clear();
    return failures;
  }

  // After success: removes the previous backups that were set aside.
  std::vector<FileFailure> finish(const std::vector<Replacement>& replacements) {
    std::vector<FileFailure> failures;
    for (const Replacement& replacement : replacements) {
      const std::string aside = asideName(replacement.Target);
      if (!wasRenamedTo(aside)) continue;
      platform::deleteFile(aside);
      if (auto failure = trap_.take("delete", aside)) failures.push_back(*failure);
    }
    done_.clear();
    return failures;
  }

 private:
  struct Rename {
    std::string From;
    std::string To;
  };

  std::optional<FileFailure> rename(const std::string& from, const std::string& to) {
    platform::renameFile(from, to);
    if (auto failure = trap_.take("rename", from, to)) return failure;
    done_.push_back(Rename{from, to});
    return std::nullopt;
  }

  bool wasRenamedTo(const std::string& path) const {
    for (const Rename& step : done_) {
      if (step.To == path) return true;
    }
    return false;
  }

  FileErrorTrap trap_;
  std::vector<Rename> done_;
};

CommitResult replaceAll(const std::vector<Replacement>& replacements) {
  platform::ProcedureScope scope("BACKUPANDWRITE");
  CommitResult result;
  ReplacementJournal journal;
  result.Failure = journal.prepare(replacements);
  if (result.Failure) {
    result.Status = CommitStatus::RolledBack;
    return result;
  }
  for (const Replacement& replacement : replacements) {
    result.Failure = journal.replace(replacement);
    if (!result.Failure) continue;
    result.RollbackFailures = journal.rollback();
    result.Status =
        result.RollbackFailures.empty() ? CommitStatus::RolledBack : CommitStatus::RollbackIncomplete;
    return result;
  }
  result.CleanupFailures = journal.finish(replacements);
  return result;
}

std::string failureList(const std::vector<FileFailure>& failures) {
  std::string text;
  for (const FileFailure& failure : failures) text += " " + describeFailure(failure) + ".";
  return text;
}

}  // namespace

std::string describeCommit(const CommitResult& result) {
  switch (result.Status) {
    case CommitStatus::Committed: {
      std::string text = "The new files are in place.";
      if (!result.IndexFailures.empty()) {
        text += " Some indexes could not be rebuilt:" + failureList(result.IndexFailures);
      }
      if (!result.CleanupFailures.empty()) {
        text += " Some older backups could not be removed:" + failureList(result.CleanupFailures);
      }
      return text;
    }
    case CommitStatus::RolledBack:
      return "The database was not changed. " +
             (result.Failure ? describeFailure(*result.Failure) + "." : "");
    case CommitStatus::RollbackIncomplete:
      return "The database could not be restored completely. " +
             (result.Failure ? describeFailure(*result.Failure) + "." : "") +
             failureList(result.RollbackFailures);
  }
  return "";
}

std::optional<FileFailure> writeCountFile(std::string_view databaseFolder, const RecordCounts& newTotals) {
  const std::string path = newCountFile(databaseFolder);
  FileErrorTrap trap;
  OpenedFile file;
  file.open(path, platform::FileMode::Output);
  if (auto failure = trap.take("open", path)) return failure;
  for (int32_t total : {newTotals.Wrestlers, newTotals.Moves, newTotals.Managers}) {
    platform::writeLine(file.number(), numberLine(total));
    if (auto failure = trap.take("write", path)) return failure;
  }
  platform::flushFile(file.number());
  if (auto failure = trap.take("flush", path)) return failure;
  file.close();
  return trap.take("close", path);
}

CommitResult BACKUPANDWRITE(std::string_view newPath, std::string_view target) {
  return replaceAll({Replacement{std::string(newPath), std::string(target)}});
}

std::optional<FileFailure> MAKEINDEX(std::string_view recordFile, int32_t linesPerRecord,
                                     std::string_view indexFile, int32_t headerLines) {
  platform::ProcedureScope scope("MAKEINDEX");
  FileErrorTrap trap;
  OpenedFile records;
  OpenedFile index;
  records.open(recordFile, platform::FileMode::Input);
  if (auto failure = trap.take("open", recordFile)) return failure;
  index.open(indexFile, platform::FileMode::Output);
  if (auto failure = trap.take("open", indexFile)) return failure;

  // Lines are skipped only while there are any, so a short last record does not read past the end.
  auto skipLines = [&records](int32_t count) {
    for (int32_t n = 0; n < count && !platform::endOfFile(records.number()); ++n) {
      platform::readLine(records.number());
    }
  };
  skipLines(headerLines);
  if (auto failure = trap.take("read", recordFile)) return failure;
  for (;;) {
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
  index.close();
  if (auto failure = trap.take("close", indexFile)) return failure;
  records.close();
  return trap.take("close", recordFile);
}

std::vector<FileFailure> rebuildIndexes(std::string_view databaseFolder) {
  static constexpr RecordKind kOrder[] = {RecordKind::Move, RecordKind::Wrestler, RecordKind::Manager,
                                          RecordKind::Team, RecordKind::Dive};
  std::vector<FileFailure> failures;
  for (RecordKind kind : kOrder) {
    if (auto failure = MAKEINDEX(databaseFile(databaseFolder, kind), linesPerRecord(kind),
                                 indexFile(databaseFolder, kind), 1)) {
      failures.push_back(*failure);
    }
  }
  return failures;
}

CommitResult commitImport(std::string_view databaseFolder, const RecordCounts& newTotals) {
  if (auto failure = writeCountFile(databaseFolder, newTotals)) {
    CommitResult result;
    result.Status = CommitStatus::RolledBack;
    result.Failure = failure;
    return result;
  }
  std::vector<Replacement> replacements;
  for (RecordKind kind :
       {RecordKind::Wrestler, RecordKind::Move, RecordKind::Dive, RecordKind::Manager, RecordKind::Team}) {
    replacements.push_back(Replacement{newFile(databaseFolder, kind), databaseFile(databaseFolder, kind)});
  }
  replacements.push_back(Replacement{newCountFile(databaseFolder), countFile(databaseFolder)});

  CommitResult result = replaceAll(replacements);
  if (result.committed()) result.IndexFailures = rebuildIndexes(databaseFolder);
  return result;
}

}  // namespace imports
