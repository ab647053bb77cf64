// Referee records ("\data\referees.def"): 5 lines each. Only loaded; the file may be missing.
#pragma once

#include <cstdint>

#include "db/record_text.h"

namespace db {

inline constexpr int kRefereeLines = 5;

struct Referee {
  int32_t Deleted = 0;
  int32_t RecordNumber = 0;
  memory::HeapString Name = nullptr;
  int32_t RefereeFlag0 = 0;
  int32_t RefereeValue = 0;
  int32_t RefereeNotFlag1 = 0;
  int32_t RefereeFlag1 = 0;
  int32_t RefereeNotFlag2 = 0;
  int32_t RefereeFlag2 = 0;
  int32_t RefereeFlag3 = 0;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;

  void FREERECORDS();
};

void LOADREFEREES(int fileNumber, Referee& record);

}  // namespace db
