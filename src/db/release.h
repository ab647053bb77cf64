// Release of whole record kinds: each driver releases the texts of records 1 .. the kind's count, in
// index order, through the record's FREERECORDS member. The arrays themselves are left to the caller.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace db {

struct Catalogue;

void FREEWRESTLERS(Catalogue& catalogue);
void FREEMANAGERS(Catalogue& catalogue);
void FREETEAMS(Catalogue& catalogue);
void FREEDIVES(Catalogue& catalogue);
void FREESTABLES(Catalogue& catalogue);
void FREEFOREIGN(Catalogue& catalogue);
void FREEGIMMICKS(Catalogue& catalogue);
void FREEREFEREES(Catalogue& catalogue);
void FREECIRCUITS(Catalogue& catalogue);
void FREEMOVES(Catalogue& catalogue);

// Releases and erases every kind whose load bit is in `mask`, in the order of a reload: wrestlers,
// managers, teams, dives, moves, stables, objects, gimmick matches, referees, circuits (bit 512 or
// 1024). `afterDriver`, when given, runs after each kind's driver, before its array is erased.
void releaseKinds(Catalogue& catalogue, int32_t mask, void (*afterDriver)() = nullptr);

// Records 1..count of an array (never beyond its end).
template <class Record>
void releaseRecords(std::vector<Record>& records, int32_t count) {
  int64_t last = std::min<int64_t>(count, static_cast<int64_t>(records.size()) - 1);
  for (int64_t i = 1; i <= last; ++i) records[i].FREERECORDS();
}

// Erases an array after its driver has run: the records the driver does not cover (record 0 with its
// "--- None ---" names, and the spare element) are released too, so a reload leaves nothing behind.
template <class Record>
void eraseRecords(std::vector<Record>& records, int32_t& count) {
  for (size_t i = 0; i < records.size(); ++i) {
    if (i == 0 || static_cast<int64_t>(i) > count) records[i].FREERECORDS();
  }
  records.clear();
  count = 0;
}

}  // namespace db
