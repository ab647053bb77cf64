// Runs zor-import's entry with captured output streams, as a test of the command line needs it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/entry.h"

namespace clitest {

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

inline Outcome runZorImport(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.code = cli::runCommandLine(arguments, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

// The same in a game folder: "-C folder" in front of the arguments.
inline Outcome runZorImportIn(const std::string& folder, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-C", folder});
  return runZorImport(arguments);
}

}  // namespace clitest
