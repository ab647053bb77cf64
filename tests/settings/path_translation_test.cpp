#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/text.h"
#include "settings/path_translation.h"
#include "settings_test_support.h"

namespace settings {
namespace {

using settings_test::GameFolder;
using settings_test::writeFile;

class TranslatePathTest : public ::testing::Test {
 protected:
  // The game folder as TRANSLATEPATH sees "." : the current directory, lower-cased.
  std::string here() const { return platform::lowerCaseAscii(std::filesystem::current_path().string()); }

  static std::string fileNamePart(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
  }

  GameFolder folder_;
};

TEST_F(TranslatePathTest, ExchangePathOfExistingFileComesBackInLongForm) {
  // "c:\zor_xchg\" is a folder relative to the current directory here.
  writeFile("c:/zor_xchg/Pics/Photo.BMP", "x");
  std::string local = TRANSLATEPATH("t:\\pics\\photo.bmp", "/nowhere/game");
  EXPECT_EQ(fileNamePart(local), "Photo.BMP");
  EXPECT_TRUE(std::filesystem::equivalent(local, "c:/zor_xchg/Pics/Photo.BMP"));
}

// Paths of files that do not exist: only the folders change.
struct MissingFileCase {
  const char* what;
  std::string path;
  const char* installFolder;
  std::string expected;
};

TEST_F(TranslatePathTest, PathsOfMissingFiles) {
  const MissingFileCase cases[] = {
      {"the exchange drive becomes the exchange folder", "t:\\pics\\a.bmp", "/nowhere/game",
       "c:\\zor_xchg\\pics\\a.bmp"},
      {"the exchange drive in capitals", "T:\\PICS\\A.BMP", ".", "c:\\zor_xchg\\pics\\a.bmp"},
      {"the stored install folder becomes this folder", "C:\\ZOR7SE\\pics\\missing.bmp", ".",
       here() + "\\pics\\missing.bmp"},
      {"a path in this folder is lower-cased", here() + "\\Pics\\Gone.bmp", ".", here() + "\\pics\\gone.bmp"},
      {"the exchange folder is lower-cased", "C:\\Zor_Xchg\\Gone.bmp", ".", "c:\\zor_xchg\\gone.bmp"},
      {"no install folder leaves the stored one", "c:\\zor7se\\a.bmp", "", "c:\\zor7se\\a.bmp"},
      {"no install folder still converts the exchange drive", "t:\\a.bmp", "", "c:\\zor_xchg\\a.bmp"},
  };
  for (const MissingFileCase& translation : cases) {
    SCOPED_TRACE(translation.what);
    EXPECT_EQ(TRANSLATEPATH(translation.path, translation.installFolder), translation.expected);
  }
}

TEST_F(TranslatePathTest, StoredInstallFolderOfExistingFileComesBackInLongForm) {
  writeFile("pics/Face.bmp", "x");
  std::string local = TRANSLATEPATH("c:\\zor7se\\pics\\face.bmp", ".");
  EXPECT_EQ(fileNamePart(local), "Face.bmp");
  EXPECT_TRUE(std::filesystem::equivalent(local, "pics/Face.bmp"));
}

TEST_F(TranslatePathTest, PathInThisFolderBecomesStoredForm) {
  writeFile("pics/Face.bmp", "x");
  EXPECT_EQ(TRANSLATEPATH(here() + "\\PICS\\face.bmp", "."), "c:\\zor7se\\pics\\Face.bmp");
  EXPECT_EQ(TRANSLATEPATH(here() + "/pics/face.bmp", "."), "c:\\zor7se/pics/Face.bmp");
}

TEST_F(TranslatePathTest, ExchangeFolderPathOfExistingFileBecomesExchangeDrive) {
  writeFile("c:/zor_xchg/X.bmp", "x");
  EXPECT_EQ(TRANSLATEPATH("C:\\ZOR_XCHG\\x.bmp", "/nowhere/game"), "t:\\X.bmp");
}

TEST_F(TranslatePathTest, RoundTripFindsTheSameFile) {
  writeFile("data/Pictures/Big Face.bmp", "x");
  std::string stored = TRANSLATEPATH(here() + "\\data\\pictures\\big face.bmp", ".");
  EXPECT_EQ(stored, "c:\\zor7se\\data\\pictures\\Big Face.bmp");
  std::string local = TRANSLATEPATH(stored, ".");
  EXPECT_TRUE(std::filesystem::equivalent(local, "data/Pictures/Big Face.bmp"));
}

}  // namespace
}  // namespace settings
