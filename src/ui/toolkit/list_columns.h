// The column spec of a list view: "Title{width}|Title{width}", widths in columns (optional).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui::toolkit {

struct ListColumn {
  std::string title;
  double width = 0;  // 0: not given
};

std::vector<ListColumn> parseListColumns(std::string_view spec);

}  // namespace ui::toolkit
