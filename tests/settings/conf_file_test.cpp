#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
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

// One lookup in a settings file: the file's bytes, the key asked for, the value found.
struct LookupCase {
  const char* what;
  std::string content;
  const char* key;
  const char* expected;
};

TEST_F(ConfFileTest, Lookups) {
  const LookupCase cases[] = {
      {"case of the key is ignored", "[Game]\r\n   Key=Value   \r\nOther=1\r\n", "KEY", "Value"},
      {"surrounding blanks of a line are ignored", "[Game]\r\n   Key=Value   \r\nOther=1\r\n", "key",
       "Value"},
      {"a later key is found", "[Game]\r\n   Key=Value   \r\nOther=1\r\n", "other", "1"},
      {"a blank before = belongs to the key", "key = value\r\n", "key", ""},
      {"the key with its blank", "key = value\r\n", "key ", " value"},
      {"blanks after = stay, the first duplicate wins", "Name=  Bob\r\nName=Alice\r\n", "name", "  Bob"},
      {"a key must be followed by =", "UsePersonsX=5\r\nUsePersons\r\nUsePersons=2\r\n", "UsePersons", "2"},
      {"a scrambled line", QUICKCRYPT("Secret=42", 1) + "\r\n", "secret", "42"},
      {"a hexadecimal value", "Title=[HEX#]414243\r\n", "title", "ABC"},
      {"a hexadecimal value of odd length drops its last digit", "Odd=[HEX#]41424\r\n", "odd", "AB"},
      {"the last line needs no line end", "A=1\r\nB=2", "b", "2"},
  };
  for (const LookupCase& lookup : cases) {
    SCOPED_TRACE(lookup.what);
    writeFile("zor.cnf", lookup.content);
    EXPECT_EQ(GETCONFSETTING("zor.cnf", lookup.key), lookup.expected);
  }
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

// One update of a settings file: its bytes before (none: no file), the key and value written, its
// bytes after.
struct UpdateCase {
  const char* what;
  std::optional<std::string> before;
  const char* key;
  const char* value;
  const char* after;
};

TEST_F(ConfFileTest, Updates) {
  const UpdateCase cases[] = {
      {"a missing key is appended as spelled", "A=1\r\n", "VersionNormalize", "1",
       "A=1\r\nVersionNormalize=1\r\n"},
      {"a missing file is created", std::nullopt, "Key", "v", "Key=v\r\n"},
      {"every duplicate is rewritten", "Key=1\r\nkey=2\r\nKeyX=3\r\n", "KEY", "9",
       "Key=9\r\nkey=9\r\nKeyX=3\r\n"},
  };
  for (const UpdateCase& update : cases) {
    SCOPED_TRACE(update.what);
    std::filesystem::remove("zor.cnf");
    if (update.before) writeFile("zor.cnf", *update.before);
    PUTCONFSETTING("zor.cnf", update.key, update.value);
    EXPECT_EQ(readFile("zor.cnf"), update.after);
  }
}

TEST_F(ConfFileTest, UpdateUnscramblesEveryLine) {
  writeFile("zor.cnf", QUICKCRYPT("Secret=42", 1) + "\r\n" + QUICKCRYPT("Code=7", 1) + "\r\n");
  PUTCONFSETTING("zor.cnf", "Other", "1");
  EXPECT_EQ(readFile("zor.cnf"), "Secret=42\r\nCode=7\r\nOther=1\r\n");
  PUTCONFSETTING("zor.cnf", "code", "8");
  EXPECT_EQ(readFile("zor.cnf"), "Secret=42\r\nCode=8\r\nOther=1\r\n");
}

// A byte 26 ends a text file: a scrambled line whose plain text holds one stays scrambled, or every
// setting after it, the one just set among them, could no longer be read.
TEST_F(ConfFileTest, UpdateKeepsScrambledALineThatCouldNotBeReadPlain) {
  const std::string hidden = QUICKCRYPT(
      "Odd=a\x1A"
      "b",
      1);
  ASSERT_EQ(hidden.find_first_of("\x1A\r\n"), std::string::npos) << "the scrambled form itself reads";
  writeFile("zor.cnf", hidden + "\r\nA=1\r\n");
  PUTCONFSETTING("zor.cnf", "B", "2");
  EXPECT_EQ(readFile("zor.cnf"), hidden + "\r\nA=1\r\nB=2\r\n");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "A"), "1");
  EXPECT_EQ(GETCONFSETTING("zor.cnf", "B"), "2");
  // Set itself, the line is written plain with its new value.
  PUTCONFSETTING("zor.cnf", "odd", "c");
  EXPECT_EQ(readFile("zor.cnf"), "Odd=c\r\nA=1\r\nB=2\r\n");
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
