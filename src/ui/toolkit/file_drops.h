// Files dropped on a form from the desktop or a file manager. The form accepts a drag of local files
// only while it has a handler; the handler gets the files in the file system's bytes and the control
// they were dropped on (0 for the form itself).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::toolkit {

using FileDropHandler = std::function<void(const std::vector<std::string>& paths, int32_t controlId)>;

// nullptr stops the form from taking drops.
void setFileDropHandler(std::string_view form, FileDropHandler handler);

}  // namespace ui::toolkit
