// UDTSCANZ: finds a record of a catalogue array by a text member (its name), scanning a range of
// record indexes in order. The first equal text wins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace db {

// Index of the first record in first..last whose text (keyOf(record), anything convertible to a
// string_view) equals key; both are upper-cased as the system does (platform::upperCase1252) when
// ignoreCase is set, compared byte for byte otherwise. 0 when nothing matches, when first > last,
// and for indexes outside the array (the range is cut to the records that exist).
template <typename Records, typename KeyOf>
int32_t UDTSCANZ(const Records& records, KeyOf keyOf, std::string_view key, int32_t first, int32_t last,
                 bool ignoreCase) {
  const int64_t size = static_cast<int64_t>(std::size(records));
  const int64_t from = first < 0 ? 0 : first;
  const int64_t to = last >= size ? size - 1 : last;
  if (from > to) return 0;

  if (!ignoreCase) {
    for (int64_t i = from; i <= to; ++i) {
      if (std::string_view(keyOf(records[static_cast<size_t>(i)])) == key) return static_cast<int32_t>(i);
    }
    return 0;
  }
  const std::string upperKey = platform::upperCase1252(key);
  for (int64_t i = from; i <= to; ++i) {
    const std::string_view text(keyOf(records[static_cast<size_t>(i)]));
    if (text.size() == upperKey.size() && platform::upperCase1252(text) == upperKey) {
      return static_cast<int32_t>(i);
    }
  }
  return 0;
}

}  // namespace db
