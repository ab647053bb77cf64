// Conversion of file paths between the form the game stores (installation folder "c:\zor7se",
// exchange folder "t:\", short file names) and the form of this installation.
#pragma once

#include <string>
#include <string_view>

namespace settings {

// A path that lies in `installFolder` ("." = the current directory) or in "c:\zor_xchg\" becomes
// stored form; any other path becomes local form. The result is lower-cased apart from the part
// the system supplies (short file name, long path).
std::string TRANSLATEPATH(std::string_view path, std::string_view installFolder);

}  // namespace settings
