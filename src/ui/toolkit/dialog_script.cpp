#include "ui/toolkit/dialog_script.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

std::vector<MessageButton> messageBoxButtons(std::string_view buttons) {
  const std::string set = nameKey(buttons);
  if (set == "YN") return {MessageButton::Yes, MessageButton::No};
  if (set == "YNC") return {MessageButton::Yes, MessageButton::No, MessageButton::Cancel};
  if (set == "OC" || set == "OKCANCEL") return {MessageButton::Ok, MessageButton::Cancel};
  return {MessageButton::Ok};
}

int32_t messageBoxAnswer(MessageButton button) {
  return button == MessageButton::Yes || button == MessageButton::Ok ? 1 : 0;
}

std::string multiSelectResult(const std::vector<std::string>& paths) {
  if (paths.empty()) return "";
  if (paths.size() == 1) return paths.front();
  const std::string& first = paths.front();
  const size_t slash = first.find_last_of("\\/");
  // A file in the root folder keeps the root as its folder.
  std::string result = slash == std::string::npos ? std::string() : first.substr(0, slash == 0 ? 1 : slash);
  for (const std::string& path : paths) {
    const size_t end = path.find_last_of("\\/");
    result += "|" + (end == std::string::npos ? path : path.substr(end + 1));
  }
  return result;
}

int32_t putDialogResult(std::string result, std::string& buffer, int32_t& size) {
  if (size < 0 || result.size() > static_cast<size_t>(size)) result.clear();
  if (buffer.size() < result.size()) buffer.resize(result.size());
  buffer.replace(0, result.size(), result);
  size = static_cast<int32_t>(result.size());
  return size;
}

DialogScript* setDialogScript(DialogScript* script) {
  DialogScript* previous = toolkit().script;
  toolkit().script = script;
  return previous;
}

DialogRecord dialogRecord(DialogKind kind, std::string_view form) {
  DialogRecord record;
  record.kind = kind;
  FormRecord* owner = form.empty() ? nullptr : findForm(form);
  record.form = owner != nullptr ? owner->name : std::string();
  record.formsOpen = liveFormCount();
  return record;
}

std::optional<size_t> answerButtons(DialogScript& script, DialogRecord record, size_t defaultIndex) {
  std::optional<size_t> chosen = defaultIndex;
  if (!script.buttons.empty()) {
    const std::string wanted = script.buttons.front();
    script.buttons.pop_front();
    chosen.reset();
    for (size_t i = 0; i < record.buttons.size(); ++i) {
      if (sameName(record.buttons[i], wanted)) chosen = i;
    }
  }
  record.answer = chosen ? record.buttons[*chosen] : std::string();
  script.shown.push_back(std::move(record));
  return chosen;
}

std::vector<std::string> answerFiles(DialogScript& script, DialogRecord record) {
  std::vector<std::string> paths;
  if (!script.files.empty()) {
    paths = script.files.front();
    script.files.pop_front();
  }
  for (const std::string& path : paths) record.answer += (record.answer.empty() ? "" : "\n") + path;
  script.shown.push_back(std::move(record));
  return paths;
}

std::optional<std::string> answerText(DialogScript& script, DialogRecord record) {
  std::optional<std::string> typed;
  if (!script.texts.empty()) {
    typed = script.texts.front();
    script.texts.pop_front();
  }
  record.answer = typed.value_or("");
  script.shown.push_back(std::move(record));
  return typed;
}

}  // namespace ui::toolkit
