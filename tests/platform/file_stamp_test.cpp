#include "platform/file_stamp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/files.h"
#include "platform_test_support.h"

namespace {

using platform_test::TempFolder;
using platform_test::writeBytesTo;

TEST(FileStamp, HoldsTheSizeAndTheModificationTime) {
  TempFolder folder;
  const std::string path = folder / "data/teams.dat";
  writeBytesTo(path, "12345");
  const std::optional<platform::FileStamp> stamp = platform::fileStamp(path);
  ASSERT_TRUE(stamp.has_value());
  EXPECT_EQ(stamp->size, 5);
  EXPECT_EQ(platform::fileStamp(path), stamp);

  // To the file system's finest step, well below a second.
  platform_test::shiftModifiedTime(path, std::chrono::microseconds(2500300));
  const std::optional<platform::FileStamp> touched = platform::fileStamp(path);
  ASSERT_TRUE(touched.has_value());
  EXPECT_EQ(touched->size, 5);
  EXPECT_EQ(touched->modifiedNanoseconds - stamp->modifiedNanoseconds, 2500300000);
}

TEST(FileStamp, ChangesWithTheSizeAlone) {
  TempFolder folder;
  const std::string path = folder / "teams.dat";
  writeBytesTo(path, "12345");
  const std::optional<platform::FileStamp> before = platform::fileStamp(path);
  ASSERT_TRUE(before.has_value());

  writeBytesTo(path, "1234567");
  const std::optional<platform::FileStamp> written = platform::fileStamp(path);
  ASSERT_TRUE(written.has_value());
  platform_test::shiftModifiedTime(path,
                                   std::chrono::nanoseconds(before->modifiedNanoseconds - written->modifiedNanoseconds));
  const std::optional<platform::FileStamp> longer = platform::fileStamp(path);
  ASSERT_TRUE(longer.has_value());
  EXPECT_EQ(longer->size, 7);
  EXPECT_EQ(longer->modifiedNanoseconds, before->modifiedNanoseconds);
  EXPECT_NE(longer, before);
}

TEST(FileStamp, NothingForAMissingFileOrAFolder) {
  TempFolder folder;
  EXPECT_FALSE(platform::fileStamp(folder / "missing.dat").has_value());
  EXPECT_FALSE(platform::fileStamp(folder.path().string()).has_value());
  EXPECT_FALSE(platform::fileStamp("").has_value());
}

// Game paths: backslashes, and names in another letter case than on disk.
TEST(FileStamp, ResolvesGamePaths) {
  TempFolder folder;
  writeBytesTo(folder / "data/teams.dat", "abc");
  const std::optional<platform::FileStamp> stamp =
      platform::fileStamp(folder.path().string() + "\\DATA\\Teams.DAT");
  ASSERT_TRUE(stamp.has_value());
  EXPECT_EQ(stamp->size, 3);
}

// A query of its own: it neither raises errors nor counts among the file operations that tests fail.
TEST(FileStamp, IsNotACountedFileOperation) {
  TempFolder folder;
  platform_test::ErrorRecorder recorder;
  platform::clearFileFaults();
  platform::failFileOperation(1, platform::kErrDeviceIo);
  EXPECT_FALSE(platform::fileStamp(folder / "missing.dat").has_value());
  EXPECT_EQ(platform::fileOperationCount(), 0);
  EXPECT_TRUE(recorder.errors.empty());
  platform::clearFileFaults();
}

}  // namespace
