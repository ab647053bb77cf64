#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform_test_support.h"

namespace {

namespace fs = std::filesystem;

class FileSystemTest : public platform_test::FileTest {};

TEST_F(FileSystemTest, ExistenceOfFilesAndFolders) {
  create("data/wrestlrs.dat", "0\r\n");
  EXPECT_TRUE(platform::fileExists(path("data/wrestlrs.dat")));
  EXPECT_TRUE(platform::fileExists(folder.path().string() + "\\DATA\\WRESTLRS.DAT"));
  EXPECT_FALSE(platform::fileExists(path("data")));
  EXPECT_FALSE(platform::fileExists(path("data/missing.dat")));
  EXPECT_FALSE(platform::fileExists(""));
  EXPECT_TRUE(platform::folderExists(path("Data")));
  EXPECT_FALSE(platform::folderExists(path("data/wrestlrs.dat")));
  EXPECT_FALSE(platform::folderExists(path("nothing")));
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileSystemTest, DeleteFile) {
  create("a.txt", "x");
  EXPECT_TRUE(platform::deleteFile(path("A.TXT")));
  EXPECT_FALSE(fs::exists(path("a.txt")));
  EXPECT_FALSE(platform::deleteFile(path("a.txt")));
  EXPECT_FALSE(platform::deleteFile(path("none/a.txt")));
  fs::create_directories(path("folder"));
  EXPECT_FALSE(platform::deleteFile(path("folder")));
  EXPECT_TRUE(fs::exists(path("folder")));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{53, 76, 75}));
}

TEST_F(FileSystemTest, RenameRefusesAnExistingTarget) {
  create("from.txt", "from");
  create("to.txt", "to");
  EXPECT_FALSE(platform::renameFile(path("from.txt"), path("to.txt")));
  EXPECT_FALSE(platform::renameFile(path("from.txt"), path("TO.TXT")));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{58, 58}));
  EXPECT_EQ(contents("from.txt"), "from");
  EXPECT_EQ(contents("to.txt"), "to");
}

TEST_F(FileSystemTest, RenameMovesTheFile) {
  create("from.txt", "from");
  EXPECT_TRUE(platform::renameFile(path("FROM.txt"), path("New.txt")));
  EXPECT_FALSE(fs::exists(path("from.txt")));
  EXPECT_EQ(contents("New.txt"), "from");
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileSystemTest, RenameOfAMissingFile) {
  EXPECT_FALSE(platform::renameFile(path("missing.txt"), path("b.txt")));
  EXPECT_FALSE(platform::renameFile(path("none/missing.txt"), path("b.txt")));
  create("a.txt", "a");
  EXPECT_FALSE(platform::renameFile(path("a.txt"), path("none/b.txt")));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{53, 76, 76}));
  EXPECT_EQ(contents("a.txt"), "a");
}

TEST_F(FileSystemTest, ReplaceFilePutsTheNewFileInPlace) {
  create("zor.inf", "old");
  create("zor.new", "new");
  EXPECT_TRUE(platform::replaceFile(path("zor.new"), path("ZOR.INF")));
  EXPECT_EQ(contents("zor.inf"), "new");
  EXPECT_FALSE(fs::exists(path("zor.new")));
  EXPECT_TRUE(platform::replaceFile(path("zor.inf"), path("fresh.inf")));
  EXPECT_EQ(contents("fresh.inf"), "new");
  EXPECT_FALSE(platform::replaceFile(path("zor.new"), path("fresh.inf")));
  EXPECT_EQ(recorder.numbers(), std::vector<int>{53});
  EXPECT_EQ(contents("fresh.inf"), "new");
}

TEST_F(FileSystemTest, CopyReplacesTheTarget) {
  std::string bytes(600000, 'c');
  bytes[123456] = 'X';
  create("from.bin", bytes);
  create("to.bin", "previous, longer or shorter");
  EXPECT_TRUE(platform::copyFile(path("from.bin"), path("to.bin")));
  EXPECT_EQ(contents("to.bin"), bytes);
  EXPECT_EQ(contents("from.bin"), bytes);
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileSystemTest, CopyOntoItselfKeepsTheFile) {
  create("same.txt", "keep me");
  EXPECT_TRUE(platform::copyFile(path("same.txt"), path("SAME.TXT")));
  EXPECT_EQ(contents("same.txt"), "keep me");
}

TEST_F(FileSystemTest, CopyErrors) {
  EXPECT_FALSE(platform::copyFile(path("missing.txt"), path("b.txt")));
  create("a.txt", "a");
  EXPECT_FALSE(platform::copyFile(path("a.txt"), path("none/b.txt")));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{53, 76}));
  EXPECT_FALSE(fs::exists(path("b.txt")));
}

TEST_F(FileSystemTest, ChangeDirectory) {
  std::string saved = platform::currentDirectory();
  ASSERT_FALSE(saved.empty());
  EXPECT_EQ(saved, fs::current_path().string());
  fs::create_directories(path("Game/Data"));
  EXPECT_TRUE(platform::changeDirectory(path("GAME")));
  EXPECT_EQ(fs::current_path(), fs::canonical(path("Game")));
  // Game paths relative to the current directory resolve as well.
  create("Game/Data/zor.inf", "3\r\n");
  EXPECT_TRUE(platform::fileExists(".\\DATA\\ZOR.INF"));
  EXPECT_FALSE(platform::changeDirectory(path("nowhere")));
  EXPECT_EQ(recorder.numbers(), std::vector<int>{76});
  EXPECT_TRUE(platform::changeDirectory(saved));
}

TEST_F(FileSystemTest, NewFileInACaseVariantFolderIsCreatedAsWritten) {
  fs::create_directories(path("data"));
  ASSERT_TRUE(
      platform::openFile(1, folder.path().string() + "\\DATA\\NewFile.TXT", platform::FileMode::Output));
  platform::closeFile(1);
  EXPECT_TRUE(fs::exists(path("data/NewFile.TXT")));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"data"});
}

}  // namespace
