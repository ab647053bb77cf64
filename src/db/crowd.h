// The three settings-style files that complete the wrestler and team records: crowd texts
// ("\data\crowd.cnf", "\data\wcrowd.cnf") and media paths ("\data\zortm.cnf").
#pragma once

#include <cstdint>
#include <string_view>

#include "db/record_text.h"

namespace db {

struct Catalogue;
class WrestlerFinder;

struct CrowdEntry {
  int32_t Kind = 0;       // 1 from crowd.cnf, 2 from wcrowd.cnf
  int32_t Alignment = 0;  // 1 "Face", 2 "Heel", 3 "*", 0 anything else
  memory::HeapString WrestlerName = nullptr;
  memory::HeapString CrowdText = nullptr;
  memory::HeapString Extra1 = nullptr;

  void FREERECORDS();
};

// Releases crowd entries 1..CrowdCount and leaves the table empty.
void clearCrowdEntries(Catalogue& catalogue);
// Appends one entry per "|"-separated text of every line "name_alignment=text|text..." whose name is
// a live wrestler. Lines may be scrambled.
void readCrowdFile(Catalogue& catalogue, int fileNumber, std::string_view path, int32_t kind,
                   const WrestlerFinder& wrestlers);
// Gives wrestlers, or else teams, without a media path the path of their line "name=path|...".
void readMediaPathFile(Catalogue& catalogue, int fileNumber, std::string_view path,
                       const WrestlerFinder& wrestlers);

}  // namespace db
