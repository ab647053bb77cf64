#include "import/batch_record.h"

#include <algorithm>
#include <optional>

#include "db/database_guard.h"
#include "platform/secure_hash.h"

namespace imports {
namespace {

using platform::TransactionStep;

std::string quoted(const std::string& folder, const std::string& name) {
  return "\"" + platform::pathIn(folder, name) + "\"";
}

// Whether the file the step replaced existed and its backup is not kept yet.
bool needsKeeping(const TransactionStep& step) {
  return !step.oldDigest.empty() && !isKeptCopy(step.backup);
}

// Copies the step's backup, the file as it was before the batch, to its kept name; the step then names
// the copy. "" or why it could not be kept.
std::string keep(const std::string& folder, TransactionStep& step) {
  if (step.backup.empty()) return quoted(folder, step.target) + " was replaced without a backup";
  const std::string copy = step.backup + std::string(kKeptCopySuffix);
  if (auto failure =
          platform::copyDurably(platform::pathIn(folder, step.backup), platform::pathIn(folder, copy))) {
    return describeFailure(*failure);
  }
  if (platform::fileDigest(platform::pathIn(folder, copy)) != step.oldDigest) {
    return quoted(folder, step.backup) + " is no longer the file the batch replaced";
  }
  step.backup = copy;
  return "";
}

// Takes the commit's record into the batch's. "" or why it cannot be.
std::string takeIn(const platform::TransactionFiles& files, const CommitResult& commit,
                   const std::string& label, BatchRecord& batch) {
  // Until the next start finishes it, the commit's record is still its journal.
  if (!commit.complete()) return "the record of its last import is not in place yet";
  std::optional<FileFailure> unreadable;
  const std::optional<platform::Transaction> change = platform::readTransactionRecord(files, unreadable);
  if (unreadable) return describeFailure(*unreadable);
  if (!change || change->label != label) return "the record of its last import cannot be read";
  if (batch.imported == 1) {
    batch.record = *change;
    return "";
  }

  platform::Transaction merged = batch.record;
  merged.label = db::batchChange(batch.imported);
  for (const TransactionStep& step : change->steps) {
    if (step.what != TransactionStep::Action::Replace) {
      return quoted(files.folder, step.target) + " was removed";
    }
    const auto known =
        std::find_if(merged.steps.begin(), merged.steps.end(),
                     [&step](const TransactionStep& kept) { return kept.target == step.target; });
    if (known == merged.steps.end()) {
      merged.steps.push_back(step);  // its ".bak" file holds it as it was before the batch, for now
      continue;
    }
    if (known->newDigest != step.oldDigest) {
      return quoted(files.folder, step.target) +
             " was changed by another program between two files of the batch";
    }
    known->newFile = step.newFile;
    known->newDigest = step.newDigest;
  }
  if (auto failure = platform::writeTransactionRecord(files, merged)) return describeFailure(*failure);
  batch.record = std::move(merged);
  return "";
}

std::string abandoned(BatchRecord& batch, const std::string& why) {
  if (why.empty()) return "";
  batch.kept = false;
  return "The batch could not keep the record it needs to be undone as a whole (" + why +
         "): an undo after it takes back only the last file it imported.";
}

}  // namespace

bool isKeptCopy(std::string_view backup) {
  return backup.size() > kKeptCopySuffix.size() && backup.ends_with(kKeptCopySuffix);
}

std::string backupOfKeptCopy(std::string_view keptCopy) {
  return std::string(keptCopy.substr(0, keptCopy.size() - kKeptCopySuffix.size()));
}

std::string nextCommitLabel(const BatchRecord& batch) {
  return batch.imported == 0 ? std::string(db::kWrestlerImportChange)
                             : db::batchImportChange(batch.imported + 1);
}

std::string keepBatchBackups(std::string_view gameFolder, BatchRecord& batch) {
  if (!batch.kept) return "";
  const std::string folder = db::dataFolder(gameFolder);
  std::string why;
  for (TransactionStep& step : batch.record.steps) {
    if (why.empty() && needsKeeping(step)) why = keep(folder, step);
  }
  return abandoned(batch, why);
}

std::string recordBatchCommit(std::string_view gameFolder, const CommitResult& commit, BatchRecord& batch) {
  const std::string label = nextCommitLabel(batch);
  ++batch.imported;
  if (!batch.kept) return "";
  return abandoned(batch, takeIn(db::databaseTransactionFiles(gameFolder), commit, label, batch));
}

}  // namespace imports
