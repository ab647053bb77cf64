// Shared by the settings tests: a scratch game folder that is also the current directory (the
// settings writer keeps its working file there), whole-file helpers and a recorder for the
// untrapped-error report.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"

namespace settings_test {

namespace fs = std::filesystem;

inline void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path().empty() ? fs::path(".") : path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class GameFolder {
 public:
  GameFolder() : previous_(fs::current_path()) {
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("zor-settings-" + std::to_string(random()) + "-" + std::to_string(random())) / "game";
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~GameFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_.parent_path(), ignored);
  }
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path previous_;
  fs::path path_;
};

class ReportRecorder {
 public:
  ReportRecorder() {
    previous_ = platform::setReportHandler([this](const platform::UntrappedError& error) {
      errors.push_back(error);
      return platform::ReportAnswer::Continue;
    });
  }
  ~ReportRecorder() {
    platform::setReportHandler(previous_);
    platform::clearFileFaults();
  }
  ReportRecorder(const ReportRecorder&) = delete;
  ReportRecorder& operator=(const ReportRecorder&) = delete;

  std::vector<platform::UntrappedError> errors;

 private:
  platform::ReportHandler previous_;
};

}  // namespace settings_test
