// Stable records ("\data\stables.dat"): 23 lines plus one per member. Only read, never written.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "db/record_text.h"

namespace db {

// Lines of a stable without members.
inline constexpr int kStableFixedLines = 23;

struct Stable {
  int32_t Deleted = 0;
  int32_t RecordNumber = 0;
  memory::HeapString Name = nullptr;
  memory::HeapString MediaPath = nullptr;
  memory::HeapString Extra1 = nullptr;
  std::array<int32_t, 5> Leaders{};  // 1..LeaderCount: the nonzero leader numbers
  int32_t LeaderCount = 0;
  std::vector<int32_t> Members = std::vector<int32_t>(1);  // 1..MemberCount; element 0 spare
  int32_t MemberCount = 0;
  memory::HeapString Extra2 = nullptr;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  memory::HeapString Extra3 = nullptr;
  memory::HeapString Extra4 = nullptr;

  void FREERECORDS();
};

void LOADSTABLES(int fileNumber, Stable& record);

}  // namespace db
