// A window's picture saved as a PNG file.
#pragma once

#include <string>

#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

// The inner area of the window, as it shows; false when the file could not be written.
bool saveWindowImage(HWND window, const std::string& path);

}  // namespace ui::toolkit
