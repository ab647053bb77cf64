// The program's command line and console, both in UTF-8 like every other text that crosses the
// platform's border.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The arguments after the program's name, in UTF-8. On Windows they are read from the wide command
// line, so that a file name outside the system's ANSI code page arrives as it is.
std::vector<std::string> commandLineArguments(int argc, const char* const* argv);

// While one lives, UTF-8 written to a console window shows as such (Windows sets the console's
// output code page and restores it afterwards; elsewhere terminals take UTF-8 already).
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
  unsigned previousCodePage_ = 0;
};

}  // namespace platform
