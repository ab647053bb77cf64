// FINDWRESTLER (name, 0) answered from a hash index, for the load sequence, which looks up every
// team member and every crowd and media-path line while the wrestlers do not change.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace db {

struct Catalogue;

class WrestlerFinder {
 public:
  // Indexes the catalogue's wrestlers as they are now; the texts must outlive the finder.
  explicit WrestlerFinder(const Catalogue& catalogue);
  // Same result as FINDWRESTLER (catalogue, name, 0).
  int32_t find(std::string_view name) const;

 private:
  std::unordered_map<std::string_view, int32_t> lowestLive_;
};

}  // namespace db
