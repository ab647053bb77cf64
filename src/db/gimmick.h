// Gimmick-match records ("\data\gimmicks.dat"): 7 lines each. Also the payload of gimmick-match
// exports.
#pragma once

#include <cstdint>

#include "db/record_text.h"

namespace db {

inline constexpr int kGimmickLines = 7;

struct GimmickMatch {
  int32_t Deleted = 0;  // the file has no deleted line: always 0
  int32_t RecordNumber = 0;
  memory::HeapString Name = nullptr;
  memory::HeapString Text2 = nullptr;
  int32_t GimmickBit0 = 0;
  int32_t GimmickBit1 = 0;
  int32_t GimmickBit2 = 0;
  int32_t GimmickValue3 = 0;  // bits 3-4
  int32_t GimmickBit8 = 0;
  int32_t GimmickBit7 = 0;
  int32_t GimmickBit11 = 0;
  int32_t GimmickBit5 = 0;
  int32_t GimmickBit9 = 0;
  int32_t GimmickBit10 = 0;
  int32_t GimmickBit17 = 0;
  int32_t GimmickBit6 = 0;
  int32_t GimmickBit18 = 0;
  int32_t GimmickBit19 = 0;  // set when neither bit 18 nor bit 19 is
  int32_t GimmickBit22 = 0;
  int32_t GimmickBit23 = 0;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  int32_t GimmickBit20 = 0;
  int32_t GimmickBit21 = 0;

  void FREERECORDS();
};

void LOADGIMMICKS(int fileNumber, GimmickMatch& record);

}  // namespace db
