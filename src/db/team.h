// Tag-team records ("\data\teams.dat"): 10 lines each, two members and their team move. The move text
// of line 4 is decoded into a numbered move ("!" a "-" b "/" performer), a move both members perform
// ("&" text "/" performer) or a plain text move (text "/" performer).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "db/lines_per_record.h"
#include "db/record_text.h"

namespace db {

class WrestlerFinder;

struct Team {
  int32_t Deleted = 0;
  int32_t RecordNumber = 0;
  memory::HeapString Name = nullptr;
  memory::HeapString DisplayName = nullptr;  // "Name (Member1/Member2)", or "Member1/Member2"
  memory::HeapString Member1 = nullptr;
  memory::HeapString Member2 = nullptr;
  memory::HeapString MoveText = nullptr;
  int32_t TextForm = 0;
  memory::HeapString MovePerformer = nullptr;
  int32_t AmpersandForm = 0;
  memory::HeapString SecondPerformer = nullptr;
  int32_t NumberForm = 0;
  int32_t FirstMove = 0;
  int32_t LabelIsText = 0;
  int32_t SecondMove = 0;
  memory::HeapString MoveLabel = nullptr;
  memory::HeapString Extra1 = nullptr;
  memory::HeapString Origin = nullptr;
  int64_t Created = 0;
  memory::HeapString Creator = nullptr;
  int64_t Modified = 0;
  memory::HeapString Extra2 = nullptr;
  memory::HeapString MediaPath = nullptr;
  memory::HeapString Extra3 = nullptr;
  memory::HeapString Extra4 = nullptr;
  memory::HeapString ShortName = nullptr;
  memory::HeapString RawMoveText = nullptr;  // line 4 as read
  int32_t BothKnown = 0;                     // both members are live wrestlers of the catalogue

  void FREERECORDS();
};

// Reads the 10 lines of one team. `wrestlers` answers whether the members are known wrestlers.
void LOADTEAMS(int fileNumber, Team& record, const WrestlerFinder& wrestlers);

// The member abbreviation of the move text: the name's first two and last two characters.
std::string memberAbbreviation(std::string_view memberName);

}  // namespace db
