// The layers of src/ and their order: a source file includes only headers of its own layer or of
// layers below it, so that the core builds and is tested without anything above it.
#include <gtest/gtest.h>

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

// Qt is parsed only where the toolkit's own sources need it: the rest of the window includes the
// toolkit's Qt-free headers, so changing a Qt header rebuilds little and the window's code reads
// without the toolkit's types.
TEST(Layers, OnlyTheToolkitSeesQt) {
  const fs::path window = fs::path(ZOR_SOURCE_DIR) / "ui";
  const fs::path toolkit = window / "toolkit";
  ASSERT_TRUE(fs::is_directory(toolkit)) << toolkit;
  const std::regex qtInclude(R"(^\s*#\s*include\s+<(Q|qdrawutil))");
  const std::regex toolkitInclude(R"re(^\s*#\s*include\s+"ui/toolkit/([a-z_]+\.h)")re");
  auto includesQt = [&](const fs::path& file) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
      if (std::regex_search(line, qtInclude)) return true;
    }
    return false;
  };
  std::set<std::string> qtHeaders;
  for (const auto& entry : fs::directory_iterator(toolkit)) {
    if (entry.path().extension() == ".h" && includesQt(entry.path()))
      qtHeaders.insert(entry.path().filename());
  }
  EXPECT_FALSE(qtHeaders.count("toolkit.h"));
  int checked = 0;
  for (const auto& entry : fs::recursive_directory_iterator(window)) {
    if (!entry.is_regular_file() || entry.path().parent_path() == toolkit) continue;
    ++checked;
    EXPECT_FALSE(includesQt(entry.path())) << entry.path().string();
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      std::smatch match;
      if (std::regex_search(line, match, toolkitInclude)) {
        EXPECT_FALSE(qtHeaders.count(match[1].str()))
            << entry.path().string() << " includes " << match[1].str();
      }
    }
  }
  EXPECT_GT(checked, 20);
  EXPECT_GT(qtHeaders.size(), 3u);
}

// The operating system is reached only through the platform layer, and each back end of it stays in
// its own folder: platform/posix (POSIX, OpenSSL) and platform/windows (Win32, CNG). The toolkit may
// use what its own back end needs.
TEST(Layers, OnlyThePlatformBackEndsSeeTheSystem) {
  const fs::path sources = ZOR_SOURCE_DIR;
  struct System {
    std::regex include;
    std::string folder;  // under src/
  };
  const std::vector<System> systems = {
      {std::regex(R"(^\s*#\s*include\s+<(unistd|fcntl|dirent|pwd|termios|poll|spawn|sys/[a-z_]+)\.h>)"),
       "platform/posix"},
      {std::regex(R"(^\s*#\s*include\s+<openssl/)"), "platform/posix"},
      {std::regex(R"(^\s*#\s*include\s+"platform/posix/)"), "platform/posix"},
      {std::regex(R"(^\s*#\s*include\s+<(windows|winbase|winnt|bcrypt|shlobj|shellapi|io)\.h>)",
                  std::regex::icase),
       "platform/windows"},
      {std::regex(R"(^\s*#\s*include\s+"platform/windows/)"), "platform/windows"},
  };
  int checked = 0;
  for (const auto& entry : fs::recursive_directory_iterator(sources)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), sources).generic_string();
    if (relative.starts_with("ui/toolkit/")) continue;
    ++checked;
    std::ifstream in(entry.path());
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
      ++lineNumber;
      for (const System& system : systems) {
        if (!std::regex_search(line, system.include)) continue;
        EXPECT_TRUE(relative.starts_with(system.folder + "/"))
            << relative << ":" << lineNumber << " belongs in src/" << system.folder << ": " << line;
      }
    }
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
