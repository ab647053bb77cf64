// The import's checked file steps are the platform's: a failure says what failed and why.
#pragma once

#include "platform/file_failure.h"

namespace imports {

using platform::describeFailure;
using platform::FileErrorTrap;
using platform::FileFailure;
using platform::OpenedFile;

}  // namespace imports
