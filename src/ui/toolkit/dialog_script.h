// What every back end's dialogs share: the buttons of a message box, the result text of the
// multi-select dialog, and the answers a script (dialogs.h) gives in place of the user.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/dialogs.h"

namespace ui::toolkit {

enum class MessageButton { Ok, Cancel, Yes, No };

// The buttons of "OK", "OC", "YN" or "YNC", in order.
std::vector<MessageButton> messageBoxButtons(std::string_view buttons);
// 1 for Yes or OK, 0 otherwise.
int32_t messageBoxAnswer(MessageButton button);

// The result text of the multi-select dialog for the chosen paths (in the file system's bytes).
std::string multiSelectResult(const std::vector<std::string>& paths);
// Puts a file dialog's result into the caller's buffer of `size` bytes; a result that does not fit
// is no result. Returns the result's length, which `size` is set to as well.
int32_t putDialogResult(std::string result, std::string& buffer, int32_t& size);

// The record of a dialog coming up now, owned by `form` ("" for none); the back end adds what the
// dialog shows.
DialogRecord dialogRecord(DialogKind kind, std::string_view form);

// Each answers the dialog of `record` from the script, adds the record with its answer to what the
// script has seen, and returns the answer.
// A message box: the index of the button the script names (in record.buttons), the default button
// when it names none, nothing when no button has that caption.
std::optional<size_t> answerButtons(DialogScript& script, DialogRecord record, size_t defaultIndex);
// A file or folder dialog: the chosen paths, none when cancelled.
std::vector<std::string> answerFiles(DialogScript& script, DialogRecord record);
// The text-input dialog: the entered text, nothing when cancelled.
std::optional<std::string> answerText(DialogScript& script, DialogRecord record);

}  // namespace ui::toolkit
