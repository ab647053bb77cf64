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
