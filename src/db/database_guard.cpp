#include "db/database_guard.h"

#include <charconv>

#include "db/game_folder.h"
#include "platform/errors.h"

namespace db {
namespace {

bool isLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool isUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
char toUpper(char c) {
  return isLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr std::string_view kBatchChange = "batch";

std::string numbered(std::string_view label, int32_t number) {
  return std::string(label) + " " + std::to_string(number);
}

// The number after `label` and one blank: 0 when the text is not that label and a number above 0.
int32_t numberAfter(std::string_view text, std::string_view label) {
  if (text.size() <= label.size() + 1 || !text.starts_with(label) || text[label.size()] != ' ') return 0;
  const std::string_view digits = text.substr(label.size() + 1);
  int32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() && end == digits.data() + digits.size() && number > 0 ? number : 0;
}

}  // namespace

std::string dataFolder(std::string_view gameFolder) {
  return std::string(gameFolder) + "\\data";
}

platform::TransactionFiles databaseTransactionFiles(std::string_view gameFolder) {
  return platform::TransactionFiles{dataFolder(gameFolder), std::string(kJournalFile),
                                    std::string(kLastChangeFile)};
}

std::string batchImportChange(int32_t imported) {
  return numbered(kWrestlerImportChange, imported);
}

std::string batchChange(int32_t files) {
  return numbered(kBatchChange, files);
}

int32_t batchImportNumber(std::string_view label) {
  return numberAfter(label, kWrestlerImportChange);
}

int32_t batchFiles(std::string_view label) {
  return numberAfter(label, kBatchChange);
}

bool isWrestlerImport(std::string_view label) {
  return label == kWrestlerImportChange || batchImportNumber(label) > 0;
}

std::string withExtension(std::string_view name, std::string_view extension) {
  const size_t dot = name.find_last_of('.');
  const std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, dot);
  const std::string_view old = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
  bool upper = false;
  bool lower = false;
  for (char c : old.empty() ? stem : old) {
    upper |= isUpper(c);
    lower |= isLower(c);
  }
  std::string result(stem);
  result += '.';
  for (char c : extension) result += upper && !lower ? toUpper(c) : c;
  return result;
}

bool DatabaseLock::acquire(std::string_view gameFolder) {
  refusal_.clear();
  // Asked first, so that the refusal says why rather than which file could not be created.
  if (!gameFolderWritable(gameFolder)) {
    refusal_ = unwritableFolderRefusal(gameFolder);
    return false;
  }
  const std::string path = dataFolder(gameFolder) + "\\" + std::string(kLockFile);
  const std::string owner = "process " + std::to_string(platform::currentProcessId());
  switch (lock_.acquire(path, owner)) {
    case platform::LockStatus::Held:
      return true;
    case platform::LockStatus::Busy:
      refusal_ = "Another import is changing this game's database";
      if (!lock_.holder().empty()) refusal_ += " (" + lock_.holder() + ")";
      refusal_ += ". Wait until it has finished, then try again.";
      return false;
    case platform::LockStatus::Failed:
      refusal_ = "The game's database could not be locked for the import: \"" + path + "\", " +
                 platform::errorText(lock_.errorNumber(), platform::errorDescription(lock_.errorNumber())) +
                 ". Check that the data folder can be written to, then try again.";
      return false;
  }
  return false;
}

bool DatabaseLock::acquireForChange(std::string_view gameFolder) {
  if (!acquire(gameFolder)) return false;
  // Holding the lock, a journal can only be left by a change that did not end: what it needs is made
  // now. Only when that moved files of the database may the loaded catalogue be out of date.
  const platform::RecoveryResult repair = platform::recoverTransaction(databaseTransactionFiles(gameFolder));
  if (repair.action == platform::RecoveryAction::Failed && repair.label.empty()) {
    refusal_ = "The game's database could not be checked for an interrupted change";
    if (repair.failure) refusal_ += ": " + platform::describeFailure(*repair.failure);
    refusal_ += ". The database has not been changed.";
  } else if (repair.action == platform::RecoveryAction::Failed) {
    refusal_ = "An interrupted change of the game's database could not be repaired";
    if (repair.failure) refusal_ += ": " + platform::describeFailure(*repair.failure);
    refusal_ += ". Make sure the file can be read and written, then start the wizard again.";
  } else if (repair.changedFiles) {
    refusal_ =
        "An interrupted change of the game's database was found and has now been repaired, so the database "
        "may differ from the one loaded. Close the wizard, start it again and repeat the import.";
  } else {
    return true;
  }
  release();
  return false;
}

}  // namespace db
