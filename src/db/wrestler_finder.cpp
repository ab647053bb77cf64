#include "db/wrestler_finder.h"

#include <algorithm>

#include "db/catalogue.h"

namespace db {

WrestlerFinder::WrestlerFinder(const Catalogue& catalogue) {
  int32_t last =
      std::min<int64_t>(catalogue.WrestlerCount, static_cast<int64_t>(catalogue.Wrestlers.size()) - 1);
  lowestLive_.reserve(static_cast<size_t>(std::max(last, 0)) * 2);
  for (int32_t i = 1; i <= last; ++i) {
    const Wrestler& wrestler = catalogue.Wrestlers[i];
    if (wrestler.Deleted != 0) continue;
    lowestLive_.emplace(text(wrestler.Name), i);  // an earlier record keeps the name
    lowestLive_.emplace(text(wrestler.AltName), i);
  }
}

int32_t WrestlerFinder::find(std::string_view name) const {
  auto found = lowestLive_.find(name);
  return found == lowestLive_.end() ? 0 : found->second;
}

}  // namespace db
