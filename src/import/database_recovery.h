// At every start: an import, undo or object import that was interrupted (the process killed, the
// machine stopped) left its journal in the data folder. The change is finished from the journal, or,
// when that cannot be done, undone, so that the database is one whole set again; the user is told in
// one message what was found and done.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_transaction.h"

namespace imports {

struct RecoveryReport {
  platform::RecoveryAction action = platform::RecoveryAction::Nothing;
  std::string message;  // with its brace code ("{i}" or "{S}"); "" when nothing was found

  bool failed() const { return action == platform::RecoveryAction::Failed; }
};

// Takes the database lock for the repair; while another program holds it, its journal is its own and
// nothing is done.
RecoveryReport recoverDatabase(std::string_view gameFolder);

// The words for what a journal's label changed: "An import", "An undo of the last import", ...
std::string changeName(std::string_view label);

}  // namespace imports
