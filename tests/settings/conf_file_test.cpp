#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "settings/conf_file.h"
#include "settings_test_support.h"

namespace settings {
namespace {

using settings_test::GameFolder;
using settings_test::readFile;
using settings_test::ReportRecorder;
using settings_test::writeFile;

class ConfFileTest : public ::testing::Test {
 protected:
  GameFolder folder_;
};

TEST_F(ConfFileTest, FindsKeyIgnoringCaseAndSurroundingSpaces) {
  writeFile("zor.cnf", "[Game]\r\n   Key=Value   \r\nOther=1\r\n");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "key"), "Value");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "KEY"), "Value");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "other"), "1");
}

TEST_F(ConfFileTest, BlankBeforeEqualsBelongsToTheKey) {
  writeFile("zor.cnf", "key = value\r\n");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "key"), "");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "key "), " value");
}

TEST_F(ConfFileTest, ValueKeepsSpacesAfterEqualsAndFirstDuplicateWins) {
  writeFile("zor.cnf", "Name=  Bob\r\nName=Alice\r\n");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "name"), "  Bob");
}

TEST_F(ConfFileTest, KeyMustBeFollowedByEquals) {
  writeFile("zor.cnf", "UsePersonsX=5\r\nUsePersons\r\nUsePersons=2\r\n");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "UsePersons"), "2");
}

TEST_F(ConfFileTest, ReadsScrambledAndHexadecimalValues) {
  writeFile("zor.cnf", QUICKCRYPT("Secret=42", 1) + "\r\nTitle=[HEX#]414243\r\nOdd=[HEX#]41424\r\n");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "secret"), "42");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "title"), "ABC");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "odd"), "AB");
}

TEST_F(ConfFileTest, LastLineWithoutLineEndIsRead) {
  writeFile("zor.cnf", "A=1\r\nB=2");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "b"), "2");
}

TEST_F(ConfFileTest, LookupCreatesMissingFileEmpty) {
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "anything"), "");
  ASSERT_TRUE(std::filesystem::exists("zor.cnf"));
  EXPECT_EQ(std::filesystem::file_size("zor.cnf"), 0u);
}

TEST_F(ConfFileTest, UpdateReplacesValueKeepingKeySpelling) {
  writeFile("zor.cnf", "; comment\r\n  WeightPush=10  \r\nOther=x\r\n");
  PUTCONFSETTING("zor.cnf", "weightpush", "  55 ");
  EXPECT_EQ(readFile("zor.cnf"), "; comment\r\nWeightPush=55\r\nOther=x\r\n");
  EXPECT_FALSE(std::filesystem::exists(kTempSettingsFile));
}

TEST_F(ConfFileTest, UpdateAppendsMissingKeyAsSpelled) {
  writeFile("zor.cnf", "A=1\r\n");
  PUTCONFSETTING("zor.cnf", "VersionNormalize", "1");
  EXPECT_EQ(readFile("zor.cnf"), "A=1\r\nVersionNormalize=1\r\n");
}

TEST_F(ConfFileTest, UpdateCreatesMissingFile) {
  PUTCONFSETTING("zor.cnf", "Key", "v");
  EXPECT_EQ(readFile("zor.cnf"), "Key=v\r\n");
}

TEST_F(ConfFileTest, UpdateRewritesEveryDuplicate) {
  writeFile("zor.cnf", "Key=1\r\nkey=2\r\nKeyX=3\r\n");
  PUTCONFSETTING("zor.cnf", "KEY", "9");
  EXPECT_EQ(readFile("zor.cnf"), "Key=9\r\nkey=9\r\nKeyX=3\r\n");
}

TEST_F(ConfFileTest, UpdateUnscramblesEveryLine) {
  writeFile("zor.cnf", QUICKCRYPT("Secret=42", 1) + "\r\n" + QUICKCRYPT("Code=7", 1) + "\r\n");
  PUTCONFSETTING("zor.cnf", "Other", "1");
  EXPECT_EQ(readFile("zor.cnf"), "Secret=42\r\nCode=7\r\nOther=1\r\n");
  PUTCONFSETTING("zor.cnf", "code", "8");
  EXPECT_EQ(readFile("zor.cnf"), "Secret=42\r\nCode=8\r\nOther=1\r\n");
}

TEST_F(ConfFileTest, UpdateOfFileInAnotherFolder) {
  writeFile("sub/dir/game.cnf", "A=1\r\n");
  PUTCONFSETTING("sub\\dir\\game.cnf", "A", "2");
  EXPECT_EQ(readFile("sub/dir/game.cnf"), "A=2\r\n");
  EXPECT_EQ(GETCONFSETTING("sub/dir/game.cnf", "a"), "2");
  EXPECT_FALSE(std::filesystem::exists(kTempSettingsFile));
  EXPECT_FALSE(std::filesystem::exists("sub/dir/game.cnf.new"));
}

// An update whose n-th file operation fails (n = 1 .. the operations of a clean update).
class ConfFileFaultTest : public ConfFileTest {
 protected:
  void SetUp() override {
    oldContent_ = "[Game]\r\n" + QUICKCRYPT("Secret=42", 1) + "\r\n  WeightPush=10\r\n";
    newContent_ = "[Game]\r\nSecret=42\r\nWeightPush=55\r\n";
    writeFile("zor.cnf", oldContent_);
    platform::clearFileFaults();
    PUTCONFSETTING("zor.cnf", "WeightPush", "55");
    operations_ = platform::fileOperationCount();
    ASSERT_EQ(readFile("zor.cnf"), newContent_);
    ASSERT_GT(operations_, 5);
  }

  void resetFiles() {
    std::filesystem::remove(kTempSettingsFile);
    std::filesystem::remove("zor.cnf.new");
    writeFile("zor.cnf", oldContent_);
  }

  std::string oldContent_;
  std::string newContent_;
  int operations_ = 0;
};

TEST_F(ConfFileFaultTest, FailingStepNeverDamagesTheSettingsFile) {
  int keptOld = 0;
  int tookNew = 0;
  for (int n = 1; n <= operations_; ++n) {
    SCOPED_TRACE("failing operation " + std::to_string(n));
    resetFiles();
    ReportRecorder reports;
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDeviceIo);
    PUTCONFSETTING("zor.cnf", "WeightPush", "55");
    platform::clearFileFaults();

    const std::string content = readFile("zor.cnf");
    if (content == oldContent_) {
      ++keptOld;
      EXPECT_FALSE(reports.errors.empty()) << "an update that did not happen was not reported";
    } else {
      ++tookNew;
      EXPECT_EQ(content, newContent_);
    }
    for (const platform::UntrappedError& error : reports.errors) EXPECT_EQ(error.procedure, "PUTCONFS");

    // Whatever was left behind, the next update and lookup work.
    PUTCONFSETTING("zor.cnf", "WeightPush", "56");
    EXPECT_EQ(GETCONFSETTING("zor.cnf", "weightpush"), "56");
    EXPECT_FALSE(std::filesystem::exists(kTempSettingsFile));
  }
  EXPECT_GT(keptOld, 0);
  EXPECT_GT(tookNew, 0);  // failures after the new file is in place (the final clean-up)
}

TEST_F(ConfFileFaultTest, RenameAcrossDevicesFallsBackToCopyBesideTheFile) {
  int copied = 0;
  for (int n = 1; n <= operations_; ++n) {
    SCOPED_TRACE("operation " + std::to_string(n) + " refused across devices");
    resetFiles();
    ReportRecorder reports;
    platform::clearFileFaults();
    platform::failFileOperation(n, 74);
    PUTCONFSETTING("zor.cnf", "WeightPush", "55");
    platform::clearFileFaults();

    const std::string content = readFile("zor.cnf");
    ASSERT_TRUE(content == oldContent_ || content == newContent_);
    if (content == newContent_ && reports.errors.empty()) {
      ++copied;
      EXPECT_FALSE(std::filesystem::exists("zor.cnf.new"));
    }
    if (content == oldContent_) {
      EXPECT_FALSE(reports.errors.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(kTempSettingsFile));
  }
  // Only the move of the working file onto the settings file is saved by copying.
  EXPECT_GE(copied, 1);
}

TEST_F(ConfFileFaultTest, FailureInsideCallersTrapReachesTheTrap) {
  resetFiles();
  platform::clearFileFaults();
  platform::failFileOperation(1, platform::kErrPermissionDenied);
  {
    platform::ErrorTrap trap;
    PUTCONFSETTING("zor.cnf", "WeightPush", "55");
    platform::clearFileFaults();
    ASSERT_TRUE(trap.failed());
    EXPECT_EQ(trap.errors().front().number, platform::kErrPermissionDenied);
  }
  EXPECT_EQ(readFile("zor.cnf"), oldContent_);
}

}  // namespace
}  // namespace settings
