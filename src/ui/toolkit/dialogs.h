// Modal dialogs: message boxes, the untrapped-error report box, the file-open dialogs and the
// text-input dialog. A script can stand in for the user: every dialog is then built as usual,
// recorded and answered from the script instead of being shown.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"

namespace ui::toolkit {

// A message box: the text may begin with brace codes ("{i}", "{S}", "{?}" icon, then "{2}"
// for the second button as default); buttons "OK", "OC" (OK, Cancel), "YN", "YNC". Returns 1 for
// Yes or OK, 0 otherwise.
int32_t EZ_MSGBOX(std::string_view form, std::string_view text, std::string_view title,
                  std::string_view buttons);
// The same box with a detail area the user can open below the text (CR LF between lines).
int32_t messageBoxWithDetails(std::string_view form, std::string_view text, std::string_view title,
                              std::string_view buttons, std::string_view details);

// One existing file, or "" when cancelled. The filter is "Name|patterns|Name|patterns|"; patterns
// match letter case in either form ("*.zor" finds "A.ZOR"). Paths are in the file system's bytes.
std::string EZ_OPENFILE(std::string_view form, std::string_view title, std::string_view initialFile,
                        std::string_view filter, std::string_view properties);

// Several files: the result (one full path, or the folder, "|" and the names separated by "|")
// goes into the first bytes of `buffer`, and `size` (the room on entry) becomes its length. A
// result that does not fit counts as cancelled (length 0). Returns the length.
int32_t QX_FILEOPENDIALOG(std::string& buffer, int32_t& size, std::string_view title,
                          std::string_view filter);

// An existing folder, or "" when cancelled; the dialog starts in `initialFolder`. Paths are in the
// file system's bytes.
std::string chooseFolder(std::string_view title, std::string_view initialFolder);

// Asks for a line of text; "" when cancelled.
std::string askText(std::string_view prompt, std::string_view title, std::string_view initialText);

// The untrapped-error report: exclamation icon, OK and Cancel, the system's default title.
platform::ReportAnswer showErrorReport(const platform::UntrappedError& error);

// --- Scripted answers ---

enum class DialogKind { MessageBox, ErrorReport, OpenFile, OpenFiles, Folder, TextInput };
enum class DialogIcon { None, Information, Warning, Critical, Question };

struct DialogRecord {
  DialogKind kind = DialogKind::MessageBox;
  std::string form;   // the owner form ("" for none)
  std::string title;  // as the window shows it
  std::string text;   // the message without brace codes, or the prompt
  DialogIcon icon = DialogIcon::None;
  std::vector<std::string> buttons;  // captions in order, without mnemonics
  std::string defaultButton;
  std::vector<std::string> nameFilters;  // "ZOR Export Files (*.zor)", ...
  std::string initialText;
  std::string details;   // a message box's detail area
  int detailRows = 0;    // how many lines of it show at once
  size_t formsOpen = 0;  // live forms at the moment the dialog came up
  std::string answer;    // the button pressed, the result text, or the entered text
};

struct DialogScript {
  std::deque<std::string> buttons;               // caption of the button to press; default button when empty
  std::deque<std::vector<std::string>> files;    // chosen paths or folder; none (or an empty list) cancels
  std::deque<std::optional<std::string>> texts;  // nothing cancels
  std::vector<DialogRecord> shown;
};

// Answers every dialog from `script` (nullptr: show them to the user). Returns the previous script.
DialogScript* setDialogScript(DialogScript* script);

}  // namespace ui::toolkit
