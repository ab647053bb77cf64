#include "platform/terminal.h"

#include <windows.h>

namespace platform {

bool standardErrorIsTerminal() {
  // Only a console has a console mode; _isatty would also take the NUL device for one.
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace platform
