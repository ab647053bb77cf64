#include "platform/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/windows/wide_text.h"

namespace platform {

std::vector<std::string> commandLineArguments(int argc, const char* const* argv) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) {
    // Cannot happen short of memory; the C runtime's arguments are the best there is then.
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
  }
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(os::utf8Text(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

Utf8Console::Utf8Console() : previousCodePage_(::GetConsoleOutputCP()) {
  // No console (output to a file or a pipe): the code page is 0 and the bytes go out as they are.
  if (previousCodePage_ != 0) ::SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
  if (previousCodePage_ != 0) ::SetConsoleOutputCP(previousCodePage_);
}

}  // namespace platform
