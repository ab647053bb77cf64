// Foreign-object records ("\data\objects.dat"): 40 lines each. Also the payload of object exports.
#pragma once

#include <array>
#include <cstdint>

#include "db/record_text.h"

namespace db {

inline constexpr int kObjectLines = 40;

struct ForeignObject {
  int32_t Deleted = 0;  // the file has no deleted line: always 0
  int32_t RecordNumber = 0;
  memory::HeapString StoredName = nullptr;  // with its article
  memory::HeapString ListName = nullptr;    // without a lower-case article
  std::array<int32_t, 21> ObjectValues{};   // 1..20: lines 2..21
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;

  void FREERECORDS();
};

void LOADFOREIGN(int fileNumber, ForeignObject& record);

}  // namespace db
