#include <gtest/gtest.h>

#include <filesystem>

#include "settings/backup.h"
#include "settings_test_support.h"

namespace settings {
namespace {

using settings_test::GameFolder;
using settings_test::readFile;
using settings_test::writeFile;
namespace fs = std::filesystem;

class BackupFileTest : public ::testing::Test {
 protected:
  GameFolder folder_;
};

TEST_F(BackupFileTest, KeepTwoRotatesGenerations) {
  writeFile("circuit.dat", "current");
  writeFile("circuit.dat.bak1", "previous");
  writeFile("circuit.dat.bak2", "oldest");
  BACKUPFILE("circuit.dat", 2);
  EXPECT_FALSE(fs::exists("circuit.dat"));
  EXPECT_EQ(readFile("circuit.dat.bak1"), "current");
  EXPECT_EQ(readFile("circuit.dat.bak2"), "previous");
  EXPECT_FALSE(fs::exists("circuit.dat.bak3"));
}

TEST_F(BackupFileTest, MissingFileChangesNothing) {
  writeFile("circuit.dat.bak1", "previous");
  BACKUPFILE("circuit.dat", 2);
  EXPECT_EQ(readFile("circuit.dat.bak1"), "previous");
  EXPECT_FALSE(fs::exists("circuit.dat.bak2"));
}

TEST_F(BackupFileTest, GapsInTheGenerationsAreKept) {
  writeFile("circuit.dat", "current");
  writeFile("circuit.dat.bak2", "second");
  BACKUPFILE("circuit.dat", 3);
  EXPECT_EQ(readFile("circuit.dat.bak1"), "current");
  EXPECT_FALSE(fs::exists("circuit.dat.bak2"));
  EXPECT_EQ(readFile("circuit.dat.bak3"), "second");
}

TEST_F(BackupFileTest, KeepOneReplacesTheOnlyBackup) {
  writeFile("data/circuit.dat", "current");
  writeFile("data/circuit.dat.bak1", "previous");
  BACKUPFILE("data\\circuit.dat", 1);
  EXPECT_EQ(readFile("data/circuit.dat.bak1"), "current");
  EXPECT_FALSE(fs::exists("data/circuit.dat"));
}

}  // namespace
}  // namespace settings
