// Wrestler records ("\data\wrestlrs.dat"): 120 lines each. A wrestler refers to moves, dives and
// managers by record number (0 = none).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "db/lines_per_record.h"
#include "db/record_text.h"

namespace db {

struct Wrestler {
  int32_t Deleted = 0;
  std::array<int32_t, 51> MoveList{};    // 1..50: the nonzero move references, in file order
  std::array<int32_t, 5> ManagerList{};  // 1..4
  std::array<int32_t, 6> DiveList{};     // 1..5
  int32_t MoveListCount = 0;

  memory::HeapString Extra1 = nullptr;
  int32_t RecordNumber = 0;
  memory::HeapString Extra2 = nullptr;
  memory::HeapString Name = nullptr;
  memory::HeapString Extra3 = nullptr;
  memory::HeapString AltName = nullptr;
  memory::HeapString Text53 = nullptr;

  int32_t Number57 = 0;
  int32_t Number58 = 0;
  int32_t Number59 = 0;
  memory::HeapString Text60 = nullptr;
  int32_t Number65 = 0;
  int32_t Number67 = 0;

  memory::HeapString Text74 = nullptr;
  memory::HeapString Text78 = nullptr;
  memory::HeapString Text80 = nullptr;
  memory::HeapString Text81 = nullptr;
  memory::HeapString Text82 = nullptr;
  memory::HeapString MediaPath = nullptr;
  memory::HeapString Extra4 = nullptr;

  int32_t MoveRef54 = 0;
  int32_t MoveRef55A = 0;
  int32_t MoveRef55B = 0;
  int32_t Flag54 = 0;
  int32_t MoveRef56 = 0;
  int32_t MoveRef66 = 0;

  int32_t Flag68Bit0 = 0;
  int32_t Flag68Bit1 = 0;
  int32_t Flag68Bit2 = 0;
  int32_t Flag68Bit3 = 0;
  int32_t Level68 = 0;  // bits 5-7 of line 68, plus 1
  int32_t Flag68Bit9 = 0;
  int32_t Flag68Bit10 = 0;
  int32_t Flag68Bit11 = 0;

  int32_t Flag70Bit0 = 0;
  int32_t Flag70Bit1 = 0;
  int32_t Flag70Bit2 = 0;
  int32_t Flag70Bit3 = 0;
  int32_t Flag70Bit4 = 0;
  int32_t Flag70Bit5 = 0;
  int32_t Flag70Bit7 = 0;
  int32_t Flag70Bit8 = 0;
  int32_t Flag70Bit9 = 0;
  int32_t Flag70Bit10 = 0;
  int32_t Flag70Bit11 = 0;
  int32_t Flag70Bit12 = 0;
  int32_t Flag70Bit14 = 0;
  int32_t Flag70Bit15 = 0;
  int32_t Flag70Bit16 = 0;
  int32_t Flag70Bit17 = 0;
  int32_t Flag70Bit21 = 0;
  int32_t Flag70Bit22 = 0;
  int32_t Flag70Bit23 = 0;
  int32_t Flag70Bit24 = 0;
  int32_t Flag70Bit25 = 0;
  int32_t Flag70Bit26 = 0;
  int32_t Flag70Bit27 = 0;

  int32_t MoveRef69 = 0;
  int32_t MoveRef71B = 0;
  int32_t MoveRef71A = 0;
  int32_t MoveRef72 = 0;
  memory::HeapString Text73 = nullptr;
  int32_t MoveRef75 = 0;
  int32_t MoveRef76 = 0;
  int32_t MoveRef77 = 0;
  int32_t Number79 = 0;  // 1 marks a female wrestler

  std::array<int32_t, 10> Flags90{};  // bits 0..9 of line 90

  int32_t Flag70Bit13 = 0;
  int32_t Flag70Bit18 = 0;
  int32_t Flag70Bit19 = 0;
  int32_t Flag70Bit20 = 0;

  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  memory::HeapString Extra5 = nullptr;
  memory::HeapString Extra6 = nullptr;
  memory::HeapString Extra7 = nullptr;

  int32_t Flag68Bit12 = 0;
  int32_t Flag68Bit13 = 0;
  int32_t Flag68Bit14 = 0;
  int32_t Flag68Bit15 = 0;

  int32_t FilePosition = 0;  // 1-based position of the record's first line in the file
  memory::HeapString FileName91 = nullptr;
  memory::HeapString FileName92 = nullptr;
  int32_t Colour93 = 0;
  int32_t Colour94 = 0;
  int32_t Unset72 = 0;
  int32_t Number96 = 0;
  int32_t Number97 = 0;
  memory::HeapString Text98 = nullptr;
  int32_t Image94 = 0;

  // Releases every text of the record.
  void FREERECORDS();
};

// Reads the 120 lines of one wrestler from the open file. `gameFolder` locates the media folder for
// the image lookup of line 94.
void LOADWRESTLERS(int fileNumber, Wrestler& record, std::string_view gameFolder);

}  // namespace db
