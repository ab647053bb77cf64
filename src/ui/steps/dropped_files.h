// Files dropped on the window: on the wizard's steps the first one is opened as Open Export File
// would open it; on the batch view they are all added to the batch list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

void filesDropped(const std::vector<std::string>& paths, int32_t controlId);

}  // namespace ui
