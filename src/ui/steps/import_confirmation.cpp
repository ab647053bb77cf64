#include "ui/steps/import_confirmation.h"

#include <vector>

#include "import/import_run.h"
#include "import/translation.h"
#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/dialogs.h"

namespace ui {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string counted(size_t count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string joined(const std::vector<std::string>& parts) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
    text += parts[i];
  }
  return text;
}

std::string summary(const imports::ImportPlan& plan) {
  if (plan.changesNothing()) return "Nothing is added or replaced; the files are written again as they are.";
  std::vector<std::string> added;
  const auto addIf = [&added](size_t count, std::string_view noun) {
    if (count > 0) added.push_back(counted(count, noun));
  };
  addIf(plan.wrestlersAdded.size(), "wrestler");
  addIf(plan.movesAdded.size(), "move");
  addIf(plan.divesAdded.size(), "dive");
  addIf(plan.managersAdded.size(), "manager");
  addIf(plan.teamsAdded.size(), "tag team");
  std::string text;
  if (!added.empty()) text = "The import adds " + joined(added) + ".";
  if (!plan.wrestlersReplaced.empty()) {
    text += std::string(text.empty() ? "" : " ") + "It replaces " +
            counted(plan.wrestlersReplaced.size(), "wrestler") + " already in the database.";
  }
  if (!plan.wrestlersNotWritten.empty()) {
    text += " " + counted(plan.wrestlersNotWritten.size(), "selected wrestler") +
            " will not be written: an earlier one replaces the same record.";
  }
  return text;
}

std::string warnings(const imports::RemapWarnings& dropped) {
  if (dropped.empty()) return "";
  std::string text = std::string(kLineEnd) + std::string(kLineEnd) +
                     "Warning: " + counted(dropped.size(), "reference") +
                     " cannot be kept because the new number does not fit; " +
                     (dropped.size() == 1 ? "it is" : "they are") + " removed:";
  for (size_t i = 0; i < dropped.size() && i < kWarningsShown; ++i) {
    text += std::string(kLineEnd) + "- " + imports::describeWarning(dropped[i]);
  }
  if (dropped.size() > kWarningsShown) {
    text += std::string(kLineEnd) + "- and " + std::to_string(dropped.size() - kWarningsShown) +
            " more (see the details).";
  }
  return text;
}

}  // namespace

std::string confirmationText(const imports::ImportPlan& plan) {
  return std::string(imports::kConfirmText) + std::string(kLineEnd) + std::string(kLineEnd) + summary(plan) +
         warnings(plan.droppedReferences);
}

std::string confirmationDetails(const imports::ImportPlan& plan) {
  std::string text;
  for (const std::string& line : imports::describePlan(plan)) {
    if (!text.empty()) text += kLineEnd;
    text += line;
  }
  return text;
}

bool confirmImport(const imports::ImportPlan& plan) {
  return toolkit::messageBoxWithDetails(kMainForm, confirmationText(plan), services::program().title, "YN",
                                        confirmationDetails(plan)) == 1;
}

}  // namespace ui
