// Lookups by name in the catalogue. Every search scans records 1 .. the kind's count in order and
// the first match wins; comparisons are exact (byte for byte).
#pragma once

#include <cstdint>
#include <string_view>

namespace db {

struct Catalogue;

// The number of a live wrestler whose Name or AltName is `name`, or 0. A nonzero circuit searches
// that circuit's roster.
int32_t FINDWRESTLER(const Catalogue& catalogue, std::string_view name, int32_t circuit);
// The number of a move by list name (any record) or by stored name (live records only), or 0.
int32_t FINDMOVE(const Catalogue& catalogue, std::string_view name);
// As FINDMOVE, over the dives.
int32_t FINDDIVE(const Catalogue& catalogue, std::string_view name);
// The number of a live team whose Name is `name`, or 0. A nonzero circuit searches that circuit's
// own team table.
int32_t FINDTEAM(const Catalogue& catalogue, std::string_view name, int32_t circuit);
// The image number of a media file. Images are not indexed: always 0.
int32_t FINDIMAGE(std::string_view path);

}  // namespace db
