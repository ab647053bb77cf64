#include "platform/file_failure.h"

namespace platform {

std::string describeFailure(const FileFailure& failure) {
  std::string text = "Could not " + failure.operation + " \"" + failure.path + "\"";
  if (!failure.target.empty()) text += " to \"" + failure.target + "\"";
  return text + ": " + errorText(failure.errorNumber, failure.description);
}

FileFailure fileFailure(std::string_view operation, std::string_view path, int32_t errorNumber) {
  return FileFailure{std::string(operation), std::string(path), "", errorNumber,
                     std::string(errorDescription(errorNumber))};
}

std::optional<FileFailure> FileErrorTrap::take(std::string_view operation, std::string_view path,
                                               std::string_view target) {
  if (!trap_.failed()) return std::nullopt;
  const UntrappedError& error = trap_.errors().front();
  FileFailure failure{std::string(operation), std::string(path), std::string(target), error.number,
                      error.description};
  trap_.clear();
  return failure;
}

std::optional<FileFailure> copyDurably(std::string_view from, std::string_view to) {
  FileErrorTrap trap;
  copyFile(from, to);
  if (auto failure = trap.take("copy", from, to)) return failure;
  OpenedFile copy;
  copy.open(to, FileMode::BinaryRead);
  if (auto failure = trap.take("open", to)) return failure;
  flushFile(copy.number());
  if (auto failure = trap.take("flush", to)) return failure;
  copy.close();
  return trap.take("close", to);
}

bool OpenedFile::open(std::string_view path, FileMode mode) {
  close();
  const int number = freeFileNumber();
  if (number == 0) return false;
  if (!openFile(number, path, mode)) return false;
  number_ = number;
  return true;
}

void OpenedFile::close() {
  if (number_ == 0) return;
  closeFile(number_);
  number_ = 0;
}

}  // namespace platform
