// The words of a progress report, the same in the window and on the terminal.
#pragma once

#include <chrono>
#include <string>

#include "services/progress.h"

namespace services {

// Work that ends sooner is not worth showing.
inline constexpr std::chrono::milliseconds kShowProgressAfter{500};

// "Loading wrestlers: 12000 of 21000", or "Building the indexes" when the total is not known.
std::string progressText(const Progress& progress);

}  // namespace services
