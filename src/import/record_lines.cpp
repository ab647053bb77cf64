#include "import/record_lines.h"

#include "db/codecs.h"
#include "platform/text.h"

namespace imports {
namespace {

constexpr ReferenceRange kWrestlerMoveRanges[] = {
    {3, 0, 15},  {4, 0, 15},   {5, 0, 15},  {6, 0, 15},  {7, 0, 15},   {8, 0, 15},  {9, 0, 15},  {10, 0, 15},
    {11, 0, 15}, {12, 0, 15},  {13, 0, 15}, {14, 0, 15}, {15, 0, 15},  {16, 0, 15}, {17, 0, 15}, {18, 0, 15},
    {19, 0, 15}, {20, 0, 15},  {21, 0, 15}, {22, 0, 15}, {23, 0, 15},  {24, 0, 15}, {25, 0, 15}, {26, 0, 15},
    {27, 0, 15}, {28, 0, 15},  {29, 0, 15}, {30, 0, 15}, {31, 0, 15},  {32, 0, 15}, {33, 0, 15}, {34, 0, 15},
    {35, 0, 15}, {36, 0, 15},  {37, 0, 15}, {38, 0, 15}, {39, 0, 15},  {40, 0, 15}, {41, 0, 15}, {42, 0, 15},
    {43, 0, 15}, {44, 0, 15},  {45, 0, 15}, {46, 0, 15}, {47, 0, 15},  {48, 0, 15}, {49, 0, 15}, {50, 0, 15},
    {51, 0, 15}, {52, 0, 15},  {54, 0, 15}, {55, 0, 15}, {55, 16, 31}, {56, 0, 15}, {66, 0, 15}, {69, 0, 15},
    {71, 0, 15}, {71, 16, 31}, {72, 0, 31}, {75, 0, 15}, {76, 0, 15},  {77, 0, 15},
};

constexpr ReferenceRange kWrestlerManagerRanges[] = {{61, 0, 15}, {62, 0, 15}, {63, 0, 15}, {64, 0, 15}};

constexpr ReferenceRange kWrestlerDiveRanges[] = {
    {84, 0, 15}, {85, 0, 15}, {86, 0, 15}, {87, 0, 15}, {88, 0, 15},
};

constexpr ReferenceRange kDiveMoveRanges[] = {{3, 0, 15}, {6, 7, 17}};

constexpr ReferenceRange kMoveMoveRanges[] = {
    {3, 0, 15},   {6, 7, 17},  {6, 18, 31},  {7, 0, 11},   {7, 12, 23},  {8, 0, 11},   {8, 12, 23},
    {9, 0, 11},   {9, 12, 23}, {10, 0, 11},  {10, 12, 23}, {11, 0, 11},  {11, 12, 23}, {12, 0, 11},
    {12, 12, 23}, {13, 0, 11}, {13, 12, 23}, {14, 0, 11},  {14, 12, 23}, {15, 0, 11},  {15, 12, 23},
};

}  // namespace

std::string_view lineText(const exports::RecordLines& lines, int line) {
  if (line < 0 || static_cast<size_t>(line) >= lines.size()) return {};
  return lines[static_cast<size_t>(line)];
}

int32_t lineValue(const exports::RecordLines& lines, int line) {
  return platform::low32(platform::numberValue(lineText(lines, line)));
}

std::span<const ReferenceRange> wrestlerMoveRanges() {
  return kWrestlerMoveRanges;
}
std::span<const ReferenceRange> wrestlerManagerRanges() {
  return kWrestlerManagerRanges;
}
std::span<const ReferenceRange> wrestlerDiveRanges() {
  return kWrestlerDiveRanges;
}
std::span<const ReferenceRange> diveMoveRanges() {
  return kDiveMoveRanges;
}
std::span<const ReferenceRange> moveMoveRanges() {
  return kMoveMoveRanges;
}

std::optional<int64_t> referenceIn(int32_t value, const ReferenceRange& range) {
  if (value == -1) return std::nullopt;
  return db::GETBITS(value, range.firstBit, range.lastBit);
}

std::optional<TeamMoveText> parseTeamMoveText(std::string_view text) {
  const bool marked = text.starts_with("+!");
  if (marked) text.remove_prefix(1);
  if (text.empty() || text.front() != '!') return std::nullopt;
  size_t start = text.find_first_not_of('!');
  std::string_view rest = start == std::string_view::npos ? std::string_view() : text.substr(start);
  TeamMoveText parsed;
  parsed.marked = marked;
  std::string_view head = rest;
  if (size_t slash = rest.find('/'); slash != std::string_view::npos) {
    head = rest.substr(0, slash);
    parsed.tail = std::string(rest.substr(slash));
  }
  size_t dash = head.find('-');
  parsed.first = std::string(head.substr(0, dash));
  if (dash == std::string_view::npos) return parsed;
  parsed.hasSecond = true;
  std::string_view afterDash = head.substr(dash + 1);
  size_t nextDash = afterDash.find('-');
  parsed.second = std::string(afterDash.substr(0, nextDash));
  if (nextDash != std::string_view::npos) parsed.rest = std::string(afterDash.substr(nextDash));
  return parsed;
}

}  // namespace imports
