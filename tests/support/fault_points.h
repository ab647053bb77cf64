// Where in a run of file operations a given file is opened, for tests that make exactly that open fail.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "support/export_writer.h"

namespace testsupport {

// The number of the file operation, counted from the start of `run`, that opens `file`: found as the
// one that fails when the file is missing. 0 when `run` never opens it. The file is put back.
inline int operationOpening(const std::filesystem::path& file, const std::function<void()>& run) {
  const std::string bytes = readFileBytes(file);
  std::filesystem::remove(file);
  int found = 0;
  const platform::ReportHandler previous =
      platform::setReportHandler([&found](const platform::UntrappedError& error) {
        if (found == 0 && error.number == platform::kErrFileNotFound) found = platform::fileOperationCount();
        return platform::ReportAnswer::Continue;
      });
  platform::clearFileFaults();
  run();
  platform::setReportHandler(previous);
  writeFileBytes(file, bytes);
  return found;
}

}  // namespace testsupport
