#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/defaults.h"
#include "app/events.h"
#include "app/log.h"
#include "app/messages.h"
#include "app/program.h"
#include "platform/long_work.h"

namespace {

TEST(GetDefault, ZeroEmptyAndNonNumericGiveTheDefault) {
  EXPECT_EQ(app::GETDEFAULT("0", 7), 7);
  EXPECT_EQ(app::GETDEFAULT("", 7), 7);
  EXPECT_EQ(app::GETDEFAULT("abc", 7), 7);
  EXPECT_EQ(app::GETDEFAULT("12", 7), 12);
  EXPECT_EQ(app::GETDEFAULT("-3", 7), -3);
  EXPECT_EQ(app::GETDEFAULT("  40", 7), 40);
  EXPECT_EQ(app::GETDEFAULT("2.6", 7), 3);
}

TEST(ProgramTitle, BuiltFromTheThirdFieldOfTheVersionMarker) {
  EXPECT_EQ(app::titleFromVersionMarker(app::kVersionMarker), "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(app::titleFromVersionMarker("#PVERSION#2.5#"), "ZOR 7 SE Export File Wizard, Build 2.5");
  EXPECT_EQ(app::program().title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(app::program().databaseFolder, ".");
}

TEST(BraceCodes, IconAndDefaultButtonAreTakenFromTheFront) {
  app::BraceCodes question =
      app::parseBraceCodes("{?}{2}Please confirm that you wish to import the selected data.");
  EXPECT_EQ(question.icon, app::MessageIcon::Question);
  EXPECT_TRUE(question.secondIsDefault);
  EXPECT_EQ(question.body, "Please confirm that you wish to import the selected data.");

  app::BraceCodes stop = app::parseBraceCodes("{S}File couldn't be identified as a ZOR export file.");
  EXPECT_EQ(stop.icon, app::MessageIcon::Stop);
  EXPECT_FALSE(stop.secondIsDefault);

  app::BraceCodes plain = app::parseBraceCodes("no codes {i} here");
  EXPECT_EQ(plain.icon, app::MessageIcon::None);
  EXPECT_EQ(plain.body, "no codes {i} here");
}

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = app::setMessageBoxService([this](const app::MessageBoxRequest& request) {
      requests_.push_back(request);
      return answer_;
    });
  }
  void TearDown() override { app::setMessageBoxService(previous_); }

  std::vector<app::MessageBoxRequest> requests_;
  int32_t answer_ = 1;
  app::MessageBoxService previous_;
};

TEST_F(MessageBoxTest, XmsgboxShowsAnInformationBoxWithTheProgramTitle) {
  app::XMSGBOX("Error opening file.");
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].form, "{ME}");
  EXPECT_EQ(requests_[0].text, "{i}Error opening file.");
  EXPECT_EQ(requests_[0].title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(requests_[0].buttons, "OK");
}

TEST_F(MessageBoxTest, TheServiceAnswerIsReturned) {
  answer_ = 1;
  EXPECT_EQ(app::showMessageBox("MAIN", "{?}Sure?", "t", "YN"), 1);
  answer_ = 0;
  EXPECT_EQ(app::showMessageBox("MAIN", "{?}Sure?", "t", "YN"), 0);
}

TEST(MessageBoxWithoutService, AnswersNo) {
  app::MessageBoxService previous = app::setMessageBoxService(nullptr);
  EXPECT_EQ(app::showMessageBox("MAIN", "{?}Sure?", "t", "YN"), 0);
  app::setMessageBoxService(previous);
}

TEST(Log, LinesReachAnInstalledSinkAndNoFileIsWritten) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() /
                    ("zor-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::create_directories(folder);
  fs::path previousDir = fs::current_path();
  fs::current_path(folder);

  app::LOGM("Replacing 1 with 2 in bits 0-15 of 1");
  app::LOGMF("m=3");
  EXPECT_TRUE(fs::is_empty(folder));

  std::vector<std::pair<app::LogChannel, std::string>> lines;
  app::LogSink previous = app::setLogSink([&](app::LogChannel channel, std::string_view line) {
    lines.emplace_back(channel, std::string(line));
  });
  app::LOGM("Done.");
  app::LOGMF("mov=4");
  app::setLogSink(previous);

  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::make_pair(app::LogChannel::General, std::string("Done.")));
  EXPECT_EQ(lines[1], std::make_pair(app::LogChannel::Files, std::string("mov=4")));
  EXPECT_TRUE(fs::is_empty(folder));

  fs::current_path(previousDir);
  fs::remove_all(folder);
}

TEST(EventPump, CallsReachTheInstalledPumpOnly) {
  app::pumpEvents(200);  // no pump: nothing happens
  std::vector<int32_t> counts;
  app::EventPump previous = app::setEventPump([&](int32_t count) { counts.push_back(count); });
  app::pumpEvents(200);
  app::pumpEvents(25);
  app::setEventPump(previous);
  app::pumpEvents(250);
  EXPECT_EQ(counts, (std::vector<int32_t>{200, 25}));
}

// Long loops of every layer, the platform's included, pump once some time has passed since the last
// pump, and not without a pump.
TEST(EventPump, LongWorkPumpsOnceItsIntervalHasPassed) {
  app::keepResponsive();  // no pump: nothing happens
  int pumps = 0;
  app::EventPump previous = app::setEventPump([&](int32_t) { ++pumps; });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  app::keepResponsive();
  EXPECT_EQ(pumps, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  platform::longWorkStep();
  EXPECT_EQ(pumps, 2);
  app::setEventPump(previous);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  platform::longWorkStep();
  EXPECT_EQ(pumps, 2);
}

}  // namespace
