// The layers of src/ and their order: a source file includes only headers of its own layer or of
// layers below it, so that the core builds and is tested without anything above it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bottom to top; the front ends share the top.
const std::map<std::string, int>& layerRanks() {
  static const std::map<std::string, int> ranks = {
      {"platform", 0}, {"services", 1}, {"memory", 2}, {"settings", 2}, {"db", 3},
      {"export", 4},   {"import", 5},   {"cli", 6},    {"ui", 6},
  };
  return ranks;
}

TEST(Layers, NoSourceIncludesALayerAboveItsOwn) {
  const fs::path sources = ZOR_SOURCE_DIR;
  ASSERT_TRUE(fs::is_directory(sources)) << sources;
  const std::regex include(R"(^\s*#\s*include\s+"([a-z_]+)/)");
  int files = 0;
  std::set<std::string> folders;
  for (const auto& entry : fs::recursive_directory_iterator(sources)) {
    if (!entry.is_regular_file()) continue;
    const std::string extension = entry.path().extension().string();
    if (extension != ".cpp" && extension != ".h") continue;
    const std::string layer = fs::relative(entry.path(), sources).begin()->string();
    const auto own = layerRanks().find(layer);
    ASSERT_NE(own, layerRanks().end()) << "a folder of src/ that is no known layer: " << layer;
    folders.insert(layer);
    ++files;
    std::ifstream in(entry.path());
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
      ++lineNumber;
      std::smatch match;
      if (!std::regex_search(line, match, include)) continue;
      const auto used = layerRanks().find(match[1].str());
      if (used == layerRanks().end()) continue;  // a header beside the file, such as "moc_..."
      const bool sameLayer = used->first == own->first;
      EXPECT_TRUE(sameLayer || used->second < own->second)
          << entry.path().string() << ":" << lineNumber << " includes " << match[1].str() << "/";
    }
  }
  EXPECT_GT(files, 100);
  EXPECT_EQ(folders.size(), layerRanks().size());
}

// The window's toolkit is an interface of plain C++ (the sources directly in src/ui/toolkit/, with the
// logic every back end shares) and one folder per back end: Qt is parsed only in ui/toolkit/qt/ and
// in the tests of that back end (tests/ui/qt/); nothing else includes the back end's headers. The
// rest of the window and the tests of its behaviour thus build against any back end, and changing a
// Qt header rebuilds little.
TEST(Layers, OnlyTheToolkitsQtBackEndSeesQt) {
  const fs::path sources = ZOR_SOURCE_DIR;
  const fs::path tests = sources.parent_path() / "tests";
  ASSERT_TRUE(fs::is_directory(sources / "ui" / "toolkit" / "qt"));
  ASSERT_TRUE(fs::is_directory(tests / "ui" / "qt"));
  const std::regex qtInclude(R"(^\s*#\s*include\s+<(Q|qdrawutil))");
  const std::regex backEndInclude(R"re(^\s*#\s*include\s+"ui/toolkit/qt/)re");
  struct Tree {
    fs::path root;
    std::string backEnd;  // the folder, relative to root, where Qt belongs
  };
  int checked = 0;
  int interfaceFiles = 0;
  for (const Tree& tree : {Tree{sources, "ui/toolkit/qt/"}, Tree{tests, "ui/qt/"}}) {
    for (const auto& entry : fs::recursive_directory_iterator(tree.root)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
      const std::string relative = fs::relative(entry.path(), tree.root).generic_string();
      const bool backEnd = relative.starts_with(tree.backEnd);
      const bool toolkitInterface =
          tree.root == sources && entry.path().parent_path() == sources / "ui" / "toolkit";
      ++checked;
      interfaceFiles += toolkitInterface ? 1 : 0;
      std::ifstream in(entry.path());
      int lineNumber = 0;
      for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        EXPECT_FALSE(!backEnd && std::regex_search(line, qtInclude))
            << entry.path().string() << ":" << lineNumber << " includes Qt: " << line;
        EXPECT_FALSE(!backEnd && std::regex_search(line, backEndInclude))
            << entry.path().string() << ":" << lineNumber << " includes the Qt back end: " << line;
      }
    }
  }
  EXPECT_GT(checked, 200);
  EXPECT_GT(interfaceFiles, 30);
}

// The operating system is reached only through the platform layer, and each back end of it stays in
// its own folder: platform/posix (POSIX, OpenSSL) and platform/windows (Win32, CNG). The window's
// toolkit has its back ends in folders of their own too: ui/toolkit/qt (Qt) and ui/toolkit/win32
// (user32 and comctl32).
TEST(Layers, OnlyThePlatformBackEndsSeeTheSystem) {
  const fs::path sources = ZOR_SOURCE_DIR;
  struct System {
    std::regex include;
    std::vector<std::string> folders;  // under src/
  };
  const std::vector<System> systems = {
      {std::regex(R"(^\s*#\s*include\s+<(unistd|fcntl|dirent|pwd|termios|poll|spawn|sys/[a-z_]+)\.h>)"),
       {"platform/posix"}},
      {std::regex(R"(^\s*#\s*include\s+<openssl/)"), {"platform/posix"}},
      {std::regex(R"(^\s*#\s*include\s+"platform/posix/)"), {"platform/posix"}},
      {std::regex(
           R"(^\s*#\s*include\s+<(windows|winbase|winnt|bcrypt|shlobj|shellapi|io|commctrl|commdlg)\.h>)",
           std::regex::icase),
       {"platform/windows", "ui/toolkit/win32"}},
      {std::regex(R"(^\s*#\s*include\s+"platform/windows/)"), {"platform/windows"}},
      {std::regex(R"(^\s*#\s*include\s+<(Q|qdrawutil))"), {"ui/toolkit/qt"}},
      {std::regex(R"(^\s*#\s*include\s+"ui/toolkit/qt/)"), {"ui/toolkit/qt"}},
      {std::regex(R"(^\s*#\s*include\s+"ui/toolkit/win32/)"), {"ui/toolkit/win32"}},
  };
  int checked = 0;
  for (const auto& entry : fs::recursive_directory_iterator(sources)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), sources).generic_string();
    ++checked;
    std::ifstream in(entry.path());
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
      ++lineNumber;
      for (const System& system : systems) {
        if (!std::regex_search(line, system.include)) continue;
        const bool inItsFolder =
            std::any_of(system.folders.begin(), system.folders.end(),
                        [&](const std::string& folder) { return relative.starts_with(folder + "/"); });
        EXPECT_TRUE(inItsFolder) << relative << ":" << lineNumber << " belongs in src/"
                                 << system.folders.front() << ": " << line;
      }
    }
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
