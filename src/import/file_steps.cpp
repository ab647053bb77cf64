#include "import/file_steps.h"

namespace imports {

std::string describeFailure(const FileFailure& failure) {
  std::string text = "Could not " + failure.Operation + " \"" + failure.Path + "\"";
  if (!failure.Target.empty()) text += " to \"" + failure.Target + "\"";
  return text + ": error " + std::to_string(failure.ErrorNumber) + " (" + failure.Description + ")";
}

std::optional<FileFailure> FileErrorTrap::take(std::string_view operation, std::string_view path,
                                               std::string_view target) {
  if (!trap_.failed()) return std::nullopt;
  const platform::UntrappedError& error = trap_.errors().front();
  FileFailure failure{std::string(operation), std::string(path), std::string(target), error.number,
                      error.description};
  trap_.clear();
  return failure;
}

bool OpenedFile::open(std::string_view path, platform::FileMode mode) {
  close();
  const int number = platform::freeFileNumber();
  if (number == 0) return false;
  if (!platform::openFile(number, path, mode)) return false;
  number_ = number;
  return true;
}

void OpenedFile::close() {
  if (number_ == 0) return;
  platform::closeFile(number_);
  number_ = 0;
}

}  // namespace imports
