// Manager records ("\data\managers.dat"): 10 lines each, referred to by wrestlers.
#pragma once

#include <array>
#include <cstdint>

#include "db/lines_per_record.h"
#include "db/record_text.h"

namespace db {

struct Manager {
  int32_t Deleted = 0;
  int32_t RecordNumber = 0;
  memory::HeapString Name = nullptr;
  memory::HeapString Name2 = nullptr;
  int32_t Flag3 = 0;
  int32_t Value3A = 0;
  int32_t Value3B = 0;
  int32_t Preset = 0;  // 5 once loaded
  memory::HeapString Extra1 = nullptr;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  memory::HeapString Extra2 = nullptr;
  memory::HeapString Extra3 = nullptr;
  std::array<memory::HeapString, 11> LineItems{};  // 1..10; only manager 1 carries them

  void FREERECORDS();
};

void LOADMANAGERS(int fileNumber, Manager& record);

}  // namespace db
