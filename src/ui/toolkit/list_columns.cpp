#include "ui/toolkit/list_columns.h"

#include <cstdlib>
#include <string>

namespace ui::toolkit {

std::vector<ListColumn> parseListColumns(std::string_view spec) {
  std::vector<ListColumn> columns;
  if (spec.empty()) return columns;
  for (;;) {
    const size_t bar = spec.find('|');
    std::string_view part = spec.substr(0, bar);
    ListColumn column;
    const size_t open = part.rfind('{');
    if (open != std::string_view::npos && part.ends_with('}')) {
      const std::string width(part.substr(open + 1, part.size() - open - 2));
      column.width = std::strtod(width.c_str(), nullptr);
      part = part.substr(0, open);
    }
    column.title = std::string(part);
    if (!(bar == std::string_view::npos && part.empty() && column.width == 0)) columns.push_back(column);
    if (bar == std::string_view::npos) break;
    spec = spec.substr(bar + 1);
    if (spec.empty()) break;
  }
  return columns;
}

}  // namespace ui::toolkit
