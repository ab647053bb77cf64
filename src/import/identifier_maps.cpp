#include "import/identifier_maps.h"

#include <algorithm>

#include "db/codecs.h"
#include "platform/text.h"
#include "services/log.h"

namespace imports {
namespace {

bool fitsRange(int64_t number, int32_t firstBit, int32_t lastBit) {
  const int32_t width = lastBit - firstBit + 1;
  if (number < 0) return false;
  if (width >= 32) return number <= 0xFFFFFFFFLL;
  return number < (int64_t{1} << width);
}

void logRewrite(int32_t before, int32_t after) {
  services::LOGM("Original is " + binary32(before));
  services::LOGM("Result is   " + binary32(after));
  services::LOGM("Result is " + std::to_string(after));
}

}  // namespace

IdentifierMap makeIdentifierMap(int32_t maxSourceNumber) {
  return IdentifierMap(static_cast<size_t>(std::max(maxSourceNumber, 0)) + 1, 0);
}

int32_t upperBound(const IdentifierMap& map) {
  return map.empty() ? -1 : static_cast<int32_t>(map.size() - 1);
}

void POPULATE(IdentifierMap& map, const std::vector<exports::IncomingRecord>& records, int32_t count) {
  std::fill(map.begin(), map.end(), 0);
  const int32_t last = std::min<int32_t>(count, static_cast<int32_t>(records.size()) - 1);
  for (int32_t i = 1; i <= last; ++i) {
    const exports::IncomingRecord& record = records[static_cast<size_t>(i)];
    const int32_t s = record.SourceNumber;
    if (s < 1 || s > upperBound(map)) continue;
    map[static_cast<size_t>(s)] = record.ImportNumber != 0 ? record.ImportNumber : record.ExistingNumber;
  }
}

IdentifierMaps buildIdentifierMaps(const exports::IncomingRecords& incoming, const MaxSourceNumbers& bounds) {
  IdentifierMaps maps;
  maps.DiveMap = makeIdentifierMap(bounds.dives);
  maps.MoveMap = makeIdentifierMap(bounds.moves);
  maps.ManagerMap = makeIdentifierMap(bounds.managers);
  POPULATE(maps.DiveMap, incoming.IncomingDives, incoming.IncomingDiveCount);
  POPULATE(maps.MoveMap, incoming.IncomingMoves, incoming.IncomingMoveCount);
  POPULATE(maps.ManagerMap, incoming.IncomingManagers, incoming.IncomingManagerCount);
  return maps;
}

std::vector<std::string> mapEntryLines(const IdentifierMap& map) {
  std::vector<std::string> lines;
  for (size_t s = 1; s < map.size(); ++s) {
    if (map[s] != 0) lines.push_back(std::to_string(s) + " -> " + std::to_string(map[s]));
  }
  return lines;
}

void REPLACEBITS(int32_t& value, int32_t firstBit, int32_t lastBit, int64_t newValue) {
  if (firstBit < 0 || lastBit > 31 || lastBit < firstBit) return;
  const uint64_t below = (uint64_t{1} << firstBit) - 1;
  const uint64_t upToLast = (uint64_t{1} << (lastBit + 1)) - 1;
  const uint64_t keep = below | ~upToLast;
  const uint64_t widened = static_cast<uint64_t>(static_cast<int64_t>(value));
  const uint64_t result = (widened & keep) | (static_cast<uint64_t>(newValue) << firstBit);
  value = static_cast<int32_t>(static_cast<uint32_t>(result));
}

RemapResult REMAPANDREPLACE(std::string& fieldText, int32_t firstBit, int32_t lastBit,
                            const IdentifierMap& map, int32_t mapUpperBound) {
  RemapResult result;
  const int32_t value = platform::low32(platform::numberValue(fieldText));
  if (value == -1) return result;

  result.item = db::GETBITS(value, firstBit, lastBit);
  if (result.item > mapUpperBound || result.item > upperBound(map)) {
    services::LOGM("Error: trying to map item " + std::to_string(result.item) + " in a map with " +
                   std::to_string(mapUpperBound) + " records.");
    result.outcome = RemapOutcome::NotInMap;
    return result;
  }
  if (result.item == 0) return result;

  result.newNumber = map[static_cast<size_t>(result.item)];
  if (result.newNumber == result.item) return result;

  const bool logging = services::logging();
  const std::string range = logging ? std::to_string(firstBit) + "-" + std::to_string(lastBit) : "";
  int32_t rewritten = value;
  if (fitsRange(result.newNumber, firstBit, lastBit)) {
    if (logging) {
      services::LOGM("Replacing " + std::to_string(result.item) + " with " +
                     std::to_string(result.newNumber) + " in bits " + range + " of " + std::to_string(value));
    }
    REPLACEBITS(rewritten, firstBit, lastBit, result.newNumber);
    result.outcome = RemapOutcome::Replaced;
  } else {
    // A number wider than the range would spill into the neighbouring values of the line.
    if (logging) {
      services::LOGM("Error: item " + std::to_string(result.item) + " maps to " +
                     std::to_string(result.newNumber) + ", which does not fit in bits " + range + " of " +
                     std::to_string(value) + "; the reference is cleared.");
    }
    REPLACEBITS(rewritten, firstBit, lastBit, 0);
    result.outcome = RemapOutcome::Cleared;
  }
  if (logging) logRewrite(value, rewritten);
  fieldText = std::to_string(rewritten);
  return result;
}

std::string ADDARTICLE(std::string_view name) {
  static constexpr std::string_view kVowels = "aeiouAEIOU";
  const bool vowel = !name.empty() && kVowels.find(name.front()) != std::string_view::npos;
  return std::string(vowel ? "an " : "a ") + std::string(name);
}

std::string binary32(int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  std::string text(32, '0');
  for (int i = 0; i < 32; ++i) {
    if (bits & (uint32_t{1} << (31 - i))) text[static_cast<size_t>(i)] = '1';
  }
  return text;
}

}  // namespace imports
