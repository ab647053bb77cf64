#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform_test_support.h"

namespace {

namespace fs = std::filesystem;

// Linux looks up every component in another letter case; on Windows, which finds names in any case
// itself, only the last component is asked for its name on disk and the folders stay as written.
const char* onDisk([[maybe_unused]] const char* linux, [[maybe_unused]] const char* windows) {
#ifdef _WIN32
  return windows;
#else
  return linux;
#endif
}

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder.path() / "data");
    platform_test::writeBytesTo(folder / "data/wrestlrs.dat", "0\r\n");
    base = platform_test::pathText(folder.path());
  }

  platform_test::TempFolder folder;
  std::string base;
};

TEST_F(PathsTest, ComponentsResolveWithoutRegardToCase) {
  EXPECT_EQ(platform::nativePath(base + "/DATA/WRESTLRS.DAT"), base + onDisk("/data", "/DATA") + "/wrestlrs.dat");
  EXPECT_EQ(platform::nativePath(base + "\\Data\\Wrestlrs.Dat"), base + onDisk("/data", "/Data") + "/wrestlrs.dat");
}

// Within a cache's lifetime a folder is listed once: a name that appears later is not seen by lookups
// without regard to case (an exact name still is); after it, lookups see the folder as it is.
TEST_F(PathsTest, AListingCacheListsEachFolderOnceWhileItLives) {
  {
    const platform::FolderListingCache outer;
    EXPECT_EQ(platform::nativePath(base + "/data/MOVES.DAT"), base + "/data/MOVES.DAT");  // none yet
    platform_test::writeBytesTo(folder / "data/moves.dat", "0\r\n");
    {
      const platform::FolderListingCache inner;
      EXPECT_EQ(platform::nativePath(base + "/data/MOVES.DAT"), base + "/data/MOVES.DAT");
    }
    EXPECT_EQ(platform::nativePath(base + "/data/MOVES.DAT"), base + "/data/MOVES.DAT");  // still cached
    EXPECT_EQ(platform::nativePath(base + "/data/moves.dat"), base + "/data/moves.dat");  // exact
    EXPECT_EQ(platform::nativePath(base + "/DATA/WRESTLRS.DAT"), base + onDisk("/data", "/DATA") + "/wrestlrs.dat");
  }
  EXPECT_EQ(platform::nativePath(base + "/data/MOVES.DAT"), base + "/data/moves.dat");
}

TEST_F(PathsTest, ExactMatchComesFirst) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows takes data and Data for one folder";
#endif
  fs::create_directories(folder.path() / "Data");
  EXPECT_EQ(platform::nativePath(base + "/data"), base + "/data");
  EXPECT_EQ(platform::nativePath(base + "/Data"), base + "/Data");
  // Neither spelling matches exactly: the smallest name wins, whatever the listing order.
  EXPECT_EQ(platform::nativePath(base + "/DATA"), base + "/Data");
}

TEST_F(PathsTest, MissingComponentsAreKeptAsWritten) {
  EXPECT_EQ(platform::nativePath(base + "\\DATA\\NEW.DAT"), base + onDisk("/data", "/DATA") + "/NEW.DAT");
  EXPECT_EQ(platform::nativePath(base + "\\Missing\\DATA\\wrestlrs.dat"),
            base + "/Missing/DATA/wrestlrs.dat");
  // Past a file there is nothing to resolve.
  EXPECT_EQ(platform::nativePath(base + "/DATA/WRESTLRS.DAT/X"),
            base + onDisk("/data/wrestlrs.dat/X", "/DATA/WRESTLRS.DAT/X"));
}

TEST_F(PathsTest, SeparatorsAndDots) {
  EXPECT_EQ(platform::nativePath(""), "");
  EXPECT_EQ(platform::nativePath("\\"), "/");
  EXPECT_EQ(platform::nativePath(base + "\\\\DATA//"), base + "/data/");
  EXPECT_EQ(platform::nativePath(base + "/DATA/../DATA/./WRESTLRS.DAT"),
            base + onDisk("/data/../data", "/DATA/../DATA") + "/./wrestlrs.dat");
}

TEST_F(PathsTest, RelativePathsResolveFromTheCurrentDirectory) {
  fs::path saved = fs::current_path();
  fs::current_path(folder.path());
  EXPECT_EQ(platform::nativePath("DATA\\WRESTLRS.DAT"), onDisk("data/wrestlrs.dat", "DATA/wrestlrs.dat"));
  EXPECT_EQ(platform::nativePath(".\\DATA\\WRESTLRS.DAT"), onDisk("./data/wrestlrs.dat", "./DATA/wrestlrs.dat"));
  EXPECT_EQ(platform::nativePath("\\DATA"), "/DATA");
  fs::current_path(saved);
}

TEST_F(PathsTest, ShortAndLongNamesOfExistingPaths) {
  const std::string file = base + onDisk("/data", "/DATA") + "/wrestlrs.dat";
  EXPECT_EQ(platform::longPathName(base + "\\DATA\\WRESTLRS.DAT"), file);
  EXPECT_EQ(platform::shortPathName(base + "\\DATA\\WRESTLRS.DAT"), file);
  EXPECT_EQ(platform::longPathName(base + "/DATA"), base + "/data");
}

TEST_F(PathsTest, ShortAndLongNamesOfMissingPathsAreEmpty) {
  EXPECT_EQ(platform::longPathName(base + "\\DATA\\NEW.DAT"), std::nullopt);
  EXPECT_EQ(platform::shortPathName(base + "\\NOWHERE\\X"), std::nullopt);
  EXPECT_EQ(platform::shortPathName(""), std::nullopt);
}

}  // namespace
