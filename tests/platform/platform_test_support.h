// Helpers of the platform tests: a temporary folder and a recorder of untrapped errors.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"

namespace platform_test {

// A path as the program's own paths are written: UTF-8 with '/' separators on every system.
inline std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("zor-platform-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return pathText(path_) + "/" + name; }

 private:
  std::filesystem::path path_;
};

inline void writeBytesTo(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Moves a file's modification time by `delta`, to the file system's finest step (MinGW's
// std::filesystem sets whole seconds only).
void shiftModifiedTime(const std::string& path, std::chrono::nanoseconds delta);

inline std::string readBytesFrom(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Records every untrapped error and every termination instead of showing or ending anything.
class ErrorRecorder {
 public:
  explicit ErrorRecorder(platform::ReportAnswer answer = platform::ReportAnswer::Continue) {
    previousHandler_ = platform::setReportHandler([this, answer](const platform::UntrappedError& error) {
      errors.push_back(error);
      return answer;
    });
    previousTerminator_ = platform::setTerminator([this](int exitCode) { exitCodes.push_back(exitCode); });
  }
  ~ErrorRecorder() {
    platform::setReportHandler(previousHandler_);
    platform::setTerminator(previousTerminator_);
  }
  ErrorRecorder(const ErrorRecorder&) = delete;
  ErrorRecorder& operator=(const ErrorRecorder&) = delete;

  std::vector<int> numbers() const {
    std::vector<int> result;
    for (const auto& error : errors) result.push_back(error.number);
    return result;
  }
  void clear() { errors.clear(); }

  std::vector<platform::UntrappedError> errors;
  std::vector<int> exitCodes;

 private:
  platform::ReportHandler previousHandler_;
  platform::Terminator previousTerminator_;
};

// Base of the file tests: a temporary folder, a recorder, and a clean file table afterwards.
class FileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::clearFileFaults();
    platform::closeAllFiles();
    platform::clearFileFaults();
  }

  std::string path(const std::string& name) const { return folder / name; }
  void create(const std::string& name, const std::string& bytes) const { writeBytesTo(path(name), bytes); }
  std::string contents(const std::string& name) const { return readBytesFrom(path(name)); }

  TempFolder folder;
  ErrorRecorder recorder;
};

}  // namespace platform_test
