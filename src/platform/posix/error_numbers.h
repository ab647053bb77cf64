// The error number (files.h conventions) for an errno value of a call that named `native`.
#pragma once

#include <string>

namespace platform::os {

int openErrorNumber(int errorCode, const std::string& native);

}  // namespace platform::os
