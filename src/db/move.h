// Move ("\data\moves.dat", 27 lines) and dive ("\data\dives.dat", 10 lines) records. Their names are
// stored with their indefinite article ("a Piledriver"); the lists show them without it.
#pragma once

#include <array>
#include <cstdint>

#include "db/lines_per_record.h"
#include "db/record_text.h"

namespace db {

struct Move {
  int32_t Deleted = 0;
  int32_t RecordNumber = 0;
  memory::HeapString StoredName = nullptr;
  memory::HeapString ListName = nullptr;
  int32_t Value2 = 0;
  int32_t Flag2 = 0;
  int32_t MoveRef6B = 0;
  int32_t Flag3A = 0;
  int32_t Flag3B = 0;
  std::array<int32_t, 31> Flags4{};  // flag k = bit k of line 4
  int32_t Value5A = 0;
  int32_t Value5B = 0;
  int32_t Value6 = 0;
  int32_t MoveRef3 = 0;
  int32_t MoveRef6A = 0;
  std::array<int32_t, 19> FollowUps{};  // 1..18
  memory::HeapString Extra1 = nullptr;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  memory::HeapString Extra2 = nullptr;
  memory::HeapString Extra3 = nullptr;

  void FREERECORDS();
};

struct Dive {
  int32_t Deleted = 0;
  int32_t RecordNumber = 0;
  memory::HeapString StoredName = nullptr;
  memory::HeapString ListName = nullptr;
  int32_t Value2 = 0;
  std::array<int32_t, 9> DiveFlags{};  // 1..8: bits 0, 7, 15, 19, 20, 21, 22, 23 of line 4
  int32_t Value5A = 0;
  int32_t Value5B = 0;
  int32_t Value6 = 0;
  int32_t MoveRef3 = 0;
  int32_t MoveRef6A = 0;
  memory::HeapString Extra1 = nullptr;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  memory::HeapString Extra2 = nullptr;
  memory::HeapString Extra3 = nullptr;

  void FREERECORDS();
};

void LOADMOVES(int fileNumber, Move& record);
void LOADDIVES(int fileNumber, Dive& record);

}  // namespace db
