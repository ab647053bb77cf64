#include <gtest/gtest.h>

#include "platform/errors.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/dialog_script.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

class MessageBoxTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    writeDatabase();
    startWizard();
  }
  const DialogRecord& last() { return script.shown.back(); }
};

TEST_F(MessageBoxTest, AQuestionWithTheSecondButtonAsDefaultAnswersYesWithOne) {
  script.buttons.push_back("Yes");
  EXPECT_EQ(EZ_MSGBOX("MAIN", "{?}{2}Please confirm that you wish to import the selected data.",
                      services::program().title, "YN"),
            1);
  EXPECT_EQ(last().kind, DialogKind::MessageBox);
  EXPECT_EQ(last().icon, DialogIcon::Question);
  EXPECT_EQ(last().buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(last().defaultButton, "No");
  EXPECT_EQ(last().text, "Please confirm that you wish to import the selected data.");
  EXPECT_EQ(last().title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(last().form, "MAIN");
}

TEST_F(MessageBoxTest, NoAndTheDefaultOfADefaultedQuestionAnswerZero) {
  script.buttons.push_back("No");
  EXPECT_EQ(EZ_MSGBOX("MAIN", "{?}Sure?", "T", "YN"), 0);
  EXPECT_EQ(last().defaultButton, "Yes");
  EXPECT_EQ(EZ_MSGBOX("MAIN", "{?}{2}Sure?", "T", "YN"), 0);  // unanswered: the default button
  EXPECT_EQ(last().answer, "No");
}

TEST_F(MessageBoxTest, StopAndInformationBoxesHaveOneOkButton) {
  EXPECT_EQ(EZ_MSGBOX("MAIN", "{S}File couldn't be identified as a ZOR export file.", "T", "OK"), 1);
  EXPECT_EQ(last().icon, DialogIcon::Critical);
  EXPECT_EQ(last().buttons, (std::vector<std::string>{"OK"}));
  EXPECT_EQ(last().text, "File couldn't be identified as a ZOR export file.");
  EZ_MSGBOX("{ME}", "{i}The selected wrestlers were imported successfully.", "T", "OK");
  EXPECT_EQ(last().icon, DialogIcon::Information);
  EXPECT_EQ(last().form, "MAIN");
  EZ_MSGBOX("MAIN", "No codes here", "T", "OK");
  EXPECT_EQ(last().icon, DialogIcon::None);
  EXPECT_EQ(last().text, "No codes here");
}

TEST_F(MessageBoxTest, TheCoreReachesTheBoxThroughTheInstalledService) {
  services::XMSGBOX("3 objects imported.");
  EXPECT_EQ(last().icon, DialogIcon::Information);
  EXPECT_EQ(last().title, services::program().title);
  EXPECT_EQ(last().text, "3 objects imported.");
  script.buttons.push_back("Yes");
  EXPECT_EQ(services::showMessageBox("MAIN", "{?}Go on?", "T", "YN"), 1);
}

TEST_F(MessageBoxTest, TextsAreShownInWindows1252) {
  EZ_MSGBOX("MAIN", "{i}M\xFCller \x80", "Caf\xE9", "OK");
  EXPECT_EQ(last().text, "M\xFCller \x80");
  EXPECT_EQ(last().title, "Caf\xE9");
}

TEST(MessageButtonTest, YesAndOkAnswerOne) {
  EXPECT_EQ(messageBoxAnswer(MessageButton::Yes), 1);
  EXPECT_EQ(messageBoxAnswer(MessageButton::Ok), 1);
  EXPECT_EQ(messageBoxAnswer(MessageButton::No), 0);
}

TEST_F(MessageBoxTest, TheErrorReportContinuesOnOk) {
  {
    const platform::ProcedureScope scope("LOADDBS");
    platform::raiseError(platform::kErrFileNotFound);
  }
  EXPECT_TRUE(terminations.empty());
  EXPECT_EQ(last().kind, DialogKind::ErrorReport);
  EXPECT_EQ(last().icon, DialogIcon::Warning);
  EXPECT_EQ(last().title, "Error");
  EXPECT_EQ(last().buttons, (std::vector<std::string>{"OK", "Cancel"}));
  EXPECT_EQ(last().defaultButton, "OK");
  EXPECT_EQ(last().form, "");
  EXPECT_EQ(last().text,
            "Untrapped Error #53 (File not found)\r\nhas occurred following execution of LOADDBS\r\n\r\n"
            "Press OK to continue, Cancel to terminate");
}

TEST_F(MessageBoxTest, CancelInTheErrorReportTerminatesWith255) {
  script.buttons.push_back("Cancel");
  platform::raiseError(platform::kErrInputPastEnd);
  EXPECT_EQ(terminations, (std::vector<int>{255}));
}

TEST_F(MessageBoxTest, CorruptMemoryTerminatesWhateverTheAnswer) {
  script.buttons.push_back("OK");
  platform::raiseError(platform::kErrGlobalMemoryCorrupt);
  EXPECT_EQ(terminations, (std::vector<int>{255}));
}

}  // namespace
