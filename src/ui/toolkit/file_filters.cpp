#include "ui/toolkit/file_filters.h"

#include "platform/text.h"

namespace ui::toolkit {

std::vector<FileFilter> fileFilters(std::string_view filter) {
  std::vector<FileFilter> entries;
  while (!filter.empty()) {
    const size_t bar = filter.find('|');
    if (bar == std::string_view::npos) break;
    const std::string_view name = filter.substr(0, bar);
    const std::string_view rest = filter.substr(bar + 1);
    const size_t end = rest.find('|');
    entries.push_back(FileFilter{std::string(name), std::string(rest.substr(0, end))});
    filter = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return entries;
}

std::vector<std::string> filterCaptions(std::string_view filter) {
  std::vector<std::string> captions;
  for (const FileFilter& entry : fileFilters(filter)) {
    std::string shown;
    for (std::string_view pattern : platform::split(entry.patterns, ';')) {
      pattern = platform::trimmed(pattern);
      if (pattern.empty()) continue;
      if (!shown.empty()) shown += ' ';
      shown += pattern == "*.*" ? std::string_view("*") : pattern;
    }
    if (!shown.empty()) captions.push_back(entry.name + " (" + shown + ")");
  }
  return captions;
}

}  // namespace ui::toolkit
