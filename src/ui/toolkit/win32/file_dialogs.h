// The system's file-open dialog and folder chooser. Paths come back in UTF-8 with '/' separators.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

struct FileDialog {
  std::string_view title;
  std::string_view initialFile;
  std::string_view filter;  // "Name|patterns|Name|patterns|"
  bool several = false;
};

// The chosen files; none when cancelled.
std::vector<std::string> chooseFiles(const FileDialog& dialog, HWND owner);
// The chosen folder (one path); none when cancelled.
std::vector<std::string> chooseFolders(std::string_view title, std::string_view initialFolder, HWND owner);

}  // namespace ui::toolkit
