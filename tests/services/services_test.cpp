#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/long_work.h"
#include "services/defaults.h"
#include "services/events.h"
#include "services/log.h"
#include "services/messages.h"
#include "services/program.h"

namespace {

TEST(GetDefault, ZeroEmptyAndNonNumericGiveTheDefault) {
  EXPECT_EQ(services::GETDEFAULT("0", 7), 7);
  EXPECT_EQ(services::GETDEFAULT("", 7), 7);
  EXPECT_EQ(services::GETDEFAULT("abc", 7), 7);
  EXPECT_EQ(services::GETDEFAULT("12", 7), 12);
  EXPECT_EQ(services::GETDEFAULT("-3", 7), -3);
  EXPECT_EQ(services::GETDEFAULT("  40", 7), 40);
  EXPECT_EQ(services::GETDEFAULT("2.6", 7), 3);
}

TEST(ProgramTitle, BuiltFromTheThirdFieldOfTheVersionMarker) {
  EXPECT_EQ(services::titleFromVersionMarker(services::kVersionMarker),
            "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(services::titleFromVersionMarker("#PVERSION#2.5#"), "ZOR 7 SE Export File Wizard, Build 2.5");
  EXPECT_EQ(services::program().title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(services::program().databaseFolder, ".");
}

TEST(BraceCodes, IconAndDefaultButtonAreTakenFromTheFront) {
  services::BraceCodes question =
      services::parseBraceCodes("{?}{2}Please confirm that you wish to import the selected data.");
  EXPECT_EQ(question.icon, services::MessageIcon::Question);
  EXPECT_TRUE(question.secondIsDefault);
  EXPECT_EQ(question.body, "Please confirm that you wish to import the selected data.");

  services::BraceCodes stop =
      services::parseBraceCodes("{S}File couldn't be identified as a ZOR export file.");
  EXPECT_EQ(stop.icon, services::MessageIcon::Stop);
  EXPECT_FALSE(stop.secondIsDefault);

  services::BraceCodes plain = services::parseBraceCodes("no codes {i} here");
  EXPECT_EQ(plain.icon, services::MessageIcon::None);
  EXPECT_EQ(plain.body, "no codes {i} here");
}

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = services::setMessageBoxService([this](const services::MessageBoxRequest& request) {
      requests_.push_back(request);
      return answer_;
    });
  }
  void TearDown() override { services::setMessageBoxService(previous_); }

  std::vector<services::MessageBoxRequest> requests_;
  int32_t answer_ = 1;
  services::MessageBoxService previous_;
};

TEST_F(MessageBoxTest, XmsgboxShowsAnInformationBoxWithTheProgramTitle) {
  services::XMSGBOX("Error opening file.");
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].form, "{ME}");
  EXPECT_EQ(requests_[0].text, "{i}Error opening file.");
  EXPECT_EQ(requests_[0].title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(requests_[0].buttons, "OK");
}

TEST_F(MessageBoxTest, TheServiceAnswerIsReturned) {
  answer_ = 1;
  EXPECT_EQ(services::showMessageBox("MAIN", "{?}Sure?", "t", "YN"), 1);
  answer_ = 0;
  EXPECT_EQ(services::showMessageBox("MAIN", "{?}Sure?", "t", "YN"), 0);
}

TEST(MessageBoxWithoutService, AnswersNo) {
  services::MessageBoxService previous = services::setMessageBoxService(nullptr);
  EXPECT_EQ(services::showMessageBox("MAIN", "{?}Sure?", "t", "YN"), 0);
  services::setMessageBoxService(previous);
}

TEST(Log, LinesReachAnInstalledSinkAndNoFileIsWritten) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() /
                    ("zor-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::create_directories(folder);
  fs::path previousDir = fs::current_path();
  fs::current_path(folder);

  services::LOGM("Replacing 1 with 2 in bits 0-15 of 1");
  services::LOGMF("m=3");
  EXPECT_TRUE(fs::is_empty(folder));

  std::vector<std::pair<services::LogChannel, std::string>> lines;
  services::LogSink previous = services::setLogSink([&](services::LogChannel channel, std::string_view line) {
    lines.emplace_back(channel, std::string(line));
  });
  services::LOGM("Done.");
  services::LOGMF("mov=4");
  services::setLogSink(previous);

  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::make_pair(services::LogChannel::General, std::string("Done.")));
  EXPECT_EQ(lines[1], std::make_pair(services::LogChannel::Files, std::string("mov=4")));
  EXPECT_TRUE(fs::is_empty(folder));

  fs::current_path(previousDir);
  fs::remove_all(folder);
}

TEST(EventPump, CallsReachTheInstalledPumpOnly) {
  services::pumpEvents(200);  // no pump: nothing happens
  std::vector<int32_t> counts;
  services::EventPump previous = services::setEventPump([&](int32_t count) { counts.push_back(count); });
  services::pumpEvents(200);
  services::pumpEvents(25);
  services::setEventPump(previous);
  services::pumpEvents(250);
  EXPECT_EQ(counts, (std::vector<int32_t>{200, 25}));
}

// Long loops of every layer, the platform's included, pump once some time has passed since the last
// pump, and not without a pump.
TEST(EventPump, LongWorkPumpsOnceItsIntervalHasPassed) {
  services::keepResponsive();  // no pump: nothing happens
  int pumps = 0;
  services::EventPump previous = services::setEventPump([&](int32_t) { ++pumps; });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  services::keepResponsive();
  EXPECT_EQ(pumps, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  platform::longWorkStep();
  EXPECT_EQ(pumps, 2);
  services::setEventPump(previous);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  platform::longWorkStep();
  EXPECT_EQ(pumps, 2);
}

}  // namespace
