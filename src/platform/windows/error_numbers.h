// Error numbers (files.h conventions) for the GetLastError codes of the Win32 file calls.
#pragma once

#include <string>

namespace platform::os {

// For a call that named `native`.
int openErrorNumber(unsigned long errorCode, const std::string& native);

}  // namespace platform::os
