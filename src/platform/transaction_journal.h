// The journal of a file transaction: a text file naming every step, closed by a line that holds the
// number of steps and a digest of everything before it. A journal without a valid closing line was
// torn while it was written.
#pragma once

#include <optional>
#include <string>

#include "platform/file_failure.h"
#include "platform/file_transaction.h"

namespace platform {

// Writes the journal and flushes it to the disk.
std::optional<FileFailure> writeJournal(const std::string& path, const Transaction& transaction);

struct JournalRead {
  Transaction journal;
  bool complete = false;               // false: torn or damaged
  std::optional<FileFailure> failure;  // the journal could not be read at all
};

JournalRead readJournal(const std::string& path);

}  // namespace platform
