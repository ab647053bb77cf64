// The text of the question asked before an import is committed.
#include <gtest/gtest.h>

#include "ui/steps/import_confirmation.h"

namespace {

using imports::ImportPlan;
using imports::PlannedRecord;
using imports::RemapWarning;

constexpr std::string_view kQuestion = "Please confirm that you wish to import the selected data.";

RemapWarning warning(int32_t index) {
  RemapWarning dropped;
  dropped.kind = imports::RecordKind::Wrestler;
  dropped.recordIndex = index;
  dropped.recordName = "Wrestler " + std::to_string(index);
  dropped.field = 55;
  dropped.firstBit = 0;
  dropped.lastBit = 15;
  dropped.item = 103;
  dropped.number = 70000;
  return dropped;
}

TEST(ImportConfirmationTest, TheQuestionComesFirstWithItsBraceCodesThenWhatTheImportDoes) {
  ImportPlan plan;
  plan.wrestlersAdded = {PlannedRecord{1, "New Star", 4, ""}, PlannedRecord{3, "Rookie", 5, ""}};
  plan.wrestlersReplaced = {PlannedRecord{2, "Champion", 2, "Champion"}};
  plan.movesAdded = {PlannedRecord{1, "Moonsault", 5, ""}};
  plan.teamsAdded = {PlannedRecord{1, "A/B", 2, ""}, PlannedRecord{2, "C/D", 3, ""}};
  EXPECT_EQ(ui::confirmationText(plan), "{?}{2}" + std::string(kQuestion) +
                                            "\r\n\r\nThe import adds 2 wrestlers, 1 move and 2 tag teams. It "
                                            "replaces 1 wrestler already in the database.");
  const std::string details = ui::confirmationDetails(plan);
  EXPECT_NE(details.find("Wrestlers added (2):\r\n  4\tNew Star\r\n  5\tRookie"), std::string::npos)
      << details;
  EXPECT_NE(details.find("  2\tChampion (replaces Champion)"), std::string::npos) << details;
}

TEST(ImportConfirmationTest, AnImportThatChangesNothingSaysSo) {
  EXPECT_EQ(ui::confirmationText(ImportPlan{}), "{?}{2}" + std::string(kQuestion) +
                                                    "\r\n\r\nNothing is added or replaced; the files are "
                                                    "written again as they are.");
}

TEST(ImportConfirmationTest, DroppedReferencesAreWarnedOfAndTheRestLeftToTheDetails) {
  ImportPlan plan;
  plan.managersAdded = {PlannedRecord{1, "Manager New", 3, ""}};
  plan.wrestlersNotWritten = {PlannedRecord{4, "Champion", 2, "Champion"}};
  for (int32_t i = 1; i <= 7; ++i) plan.droppedReferences.push_back(warning(i));
  const std::string text = ui::confirmationText(plan);
  EXPECT_EQ(text.rfind("{?}{2}" + std::string(kQuestion), 0), 0u);
  EXPECT_NE(text.find("1 selected wrestler will not be written"), std::string::npos) << text;
  EXPECT_NE(
      text.find("\r\n\r\nWarning: 7 references cannot be kept because the new number does not fit; they "
                "are removed:\r\n- " +
                imports::describeWarning(warning(1))),
      std::string::npos)
      << text;
  EXPECT_NE(text.find(imports::describeWarning(warning(5))), std::string::npos);
  EXPECT_EQ(text.find(imports::describeWarning(warning(6))), std::string::npos);
  const std::string last = "\r\n- and 2 more (see the details).";
  EXPECT_EQ(text.substr(text.size() - last.size()), last) << text;
  const std::string details = ui::confirmationDetails(plan);
  EXPECT_NE(details.find(imports::describeWarning(warning(7))), std::string::npos);

  plan.droppedReferences.resize(1);
  EXPECT_NE(
      ui::confirmationText(plan).find("1 reference cannot be kept because the new number does not fit; it "
                                      "is removed:"),
      std::string::npos);
}

}  // namespace
