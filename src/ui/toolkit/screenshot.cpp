#include <cstdio>
#include <cstdlib>

#include "platform/text.h"
#include "ui/toolkit/back_end.h"
#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/test_hooks.h"

namespace ui::toolkit {

namespace {

std::vector<std::string_view> nonEmptyParts(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::string_view part : platform::split(text, separator)) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

}  // namespace

void takeScreenshot(uint64_t serial, const std::string& path, std::string_view files, std::string_view clicks) {
  FormRecord* form = findForm(serial);
  if (form == nullptr || !hasWindow(*form)) return;
  DialogScript answers;
  for (std::string_view dialog : nonEmptyParts(files, '|')) {
    std::vector<std::string> chosen;
    for (std::string_view file : nonEmptyParts(dialog, ';')) chosen.emplace_back(file);
    answers.files.push_back(std::move(chosen));
  }
  DialogScript* previous = setDialogScript(&answers);
  for (std::string_view id : nonEmptyParts(clicks, ',')) {
    clickButton(form->name, std::atoi(std::string(platform::trimmed(id)).c_str()));
    handlePendingEvents();
    form = findForm(serial);
    if (form == nullptr || !hasWindow(*form)) {
      setDialogScript(previous);
      return;
    }
  }
  setDialogScript(previous);
  if (!saveFormImage(*form, path)) {
    std::fprintf(stderr, "Could not write the screenshot %s\n", path.c_str());
    toolkit().exitCode = 1;
  }
  unloadForm(*form, true);
}

}  // namespace ui::toolkit
