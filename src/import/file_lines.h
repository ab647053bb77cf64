// Every line of a small file of the data folder (an index, the count file), read with its failures
// caught instead of reported.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/file_steps.h"

namespace imports {

struct FileLines {
  bool exists = false;
  std::optional<FileFailure> failure;  // the first failed operation; the lines read before it are kept
  std::vector<std::string> lines;
};

FileLines readFileLines(const std::string& path);

}  // namespace imports
