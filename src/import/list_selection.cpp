#include "import/list_selection.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace imports {

std::string_view itemName(std::string_view itemText) {
  return itemText.size() > 2 ? itemText.substr(2) : std::string_view();
}

void copyWrestlerSelection(const std::vector<exports::WrestlerItem>& items,
                           exports::IncomingRecords& incoming) {
  std::unordered_map<std::string, size_t> firstByName;
  const int32_t last = std::min<int32_t>(incoming.IncomingWrestlerCount,
                                         static_cast<int32_t>(incoming.IncomingWrestlers.size()) - 1);
  for (int32_t i = last; i >= 1; --i) {
    firstByName[incoming.IncomingWrestlers[static_cast<size_t>(i)].ListName] = static_cast<size_t>(i);
  }
  for (const exports::WrestlerItem& item : items) {
    const auto found = firstByName.find(std::string(itemName(item.text)));
    if (found == firstByName.end()) continue;
    incoming.IncomingWrestlers[found->second].ImportNumber = item.selected ? 1 : 0;
  }
}

}  // namespace imports
