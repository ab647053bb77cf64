// What the program's standard streams are connected to.
#pragma once

namespace platform {

// True when standard error is a terminal (a console window on Windows), not a file or a pipe.
bool standardErrorIsTerminal();

}  // namespace platform
