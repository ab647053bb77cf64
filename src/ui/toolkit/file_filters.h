// The filter of a file dialog as the program gives it: "Name|patterns|Name|patterns|", each entry's
// patterns separated by ";" ("ZOR Export Files|*.zor;*.ZOR|All Files|*.*|").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui::toolkit {

struct FileFilter {
  std::string name;
  std::string patterns;  // as given: "*.zor;*.ZOR"
};

// The entries of a filter; a name without patterns after it ends the filter.
std::vector<FileFilter> fileFilters(std::string_view filter);

// The names a dialog shows for the entries, "ZOR Export Files (*.zor *.ZOR)", "*.*" as "*"; an entry
// without a pattern shows none.
std::vector<std::string> filterCaptions(std::string_view filter);

}  // namespace ui::toolkit
