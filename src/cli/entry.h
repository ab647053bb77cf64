// The entry of zor-import: reads the arguments, runs the command in the game folder and returns the
// exit code (0 done, 1 the file could not be imported, 2 usage error).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// `arguments` are those after the program's name. Results go to `out`, errors and warnings to `err`.
// The process's current directory is the same afterwards.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace cli
