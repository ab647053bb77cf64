// What keeps the game database whole while a program changes it: one writer at a time (the lock in
// the data folder), every change made as one file transaction (its journal in the data folder), and
// the record of the last change, which lets it be undone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_transaction.h"
#include "platform/folder_lock.h"

namespace db {

inline constexpr std::string_view kJournalFile = "zor.journal";
inline constexpr std::string_view kLastChangeFile = "zor.undo";
inline constexpr std::string_view kLockFile = "zor.lock";

// What a change was, as its journal and the record of the last change name it.
inline constexpr std::string_view kWrestlerImportChange = "import";
inline constexpr std::string_view kObjectImportChange = "objects";
inline constexpr std::string_view kGimmickImportChange = "gimmicks";
inline constexpr std::string_view kUndoChange = "undo";

// A batch imports its files with a commit each: the first is an "import", each later one "import K", K
// the files the batch has imported with it. The record the batch keeps in place of its last commit's,
// for one undo of all of them, is labelled "batch N" for its N files.
std::string batchImportChange(int32_t imported);
std::string batchChange(int32_t files);
// K of "import K", N of "batch N"; 0 for any other label.
int32_t batchImportNumber(std::string_view label);
int32_t batchFiles(std::string_view label);
// An import of wrestlers: "import", or a batch's "import K".
bool isWrestlerImport(std::string_view label);

// The game folder followed by "\data".
std::string dataFolder(std::string_view gameFolder);
// The journal and the record of the last change, in the data folder.
platform::TransactionFiles databaseTransactionFiles(std::string_view gameFolder);

// `name` with its extension replaced by `extension`, in the letter case of the name's own extension
// ("WRESTLRS.DAT" gives "WRESTLRS.IDX", "moves.dat" gives "moves.idx").
std::string withExtension(std::string_view name, std::string_view extension);

// The exclusive lock of a game folder's database, held from the start of a change to its end.
class DatabaseLock {
 public:
  // True when taken. Otherwise refusal() says why, for the user: a game folder that cannot be written
  // to is refused before anything is created in it.
  bool acquire(std::string_view gameFolder);
  // The lock for a change. An interrupted change found then is repaired first; when that moved files
  // of the database, the change is refused, since what was loaded may be out of date.
  bool acquireForChange(std::string_view gameFolder);
  void release() { lock_.release(); }
  bool held() const { return lock_.held(); }
  const std::string& refusal() const { return refusal_; }

 private:
  platform::FolderLock lock_;
  std::string refusal_;
};

}  // namespace db
