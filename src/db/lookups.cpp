#include "db/lookups.h"

#include <algorithm>
#include <vector>

#include "db/catalogue.h"

namespace db {

namespace {

// The last record number of a kind that its array really holds.
template <class Record>
int32_t lastRecord(const std::vector<Record>& records, int32_t count) {
  return static_cast<int32_t>(std::min<int64_t>(count, static_cast<int64_t>(records.size()) - 1));
}

// FINDMOVE over moves or dives: first by list name (the stored name minus its first word), whatever
// the record's state, then by the whole stored name of a live record.
template <class Record>
int32_t findAction(const std::vector<Record>& records, int32_t count, std::string_view name) {
  int32_t last = lastRecord(records, count);
  for (int32_t i = 1; i <= last; ++i) {
    std::string_view stored = text(records[i].StoredName);
    std::string_view firstWord = stored.substr(0, stored.find(' '));
    if (stored.size() == firstWord.size() + 1 + name.size() && stored[firstWord.size()] == ' ' &&
        stored.substr(firstWord.size() + 1) == name) {
      return i;
    }
    if (name == stored && records[i].Deleted == 0) return i;
  }
  return 0;
}

}  // namespace

int32_t FINDWRESTLER(const Catalogue& catalogue, std::string_view name, int32_t circuit) {
  // Circuit rosters belong to the circuit subsystem, which this program never loads.
  if (circuit != 0) return 0;
  int32_t last = lastRecord(catalogue.Wrestlers, catalogue.WrestlerCount);
  for (int32_t i = 1; i <= last; ++i) {
    const Wrestler& wrestler = catalogue.Wrestlers[i];
    if ((name == text(wrestler.AltName) || name == text(wrestler.Name)) && wrestler.Deleted == 0) return i;
  }
  return 0;
}

int32_t FINDMOVE(const Catalogue& catalogue, std::string_view name) {
  return findAction(catalogue.Moves, catalogue.MoveCount, name);
}

int32_t FINDDIVE(const Catalogue& catalogue, std::string_view name) {
  return findAction(catalogue.Dives, catalogue.DiveCount, name);
}

int32_t FINDTEAM(const Catalogue& catalogue, std::string_view name, int32_t circuit) {
  // Circuit team tables belong to the circuit subsystem, which this program never loads.
  if (circuit != 0) return 0;
  if (catalogue.TeamCount < 1) return 0;
  int32_t last = lastRecord(catalogue.Teams, catalogue.TeamCount);
  for (int32_t i = 1; i <= last; ++i) {
    const Team& team = catalogue.Teams[i];
    if (team.Name != nullptr && name == text(team.Name) && team.Deleted == 0) return i;
  }
  return 0;
}

int32_t FINDIMAGE(std::string_view) {
  return 0;
}

}  // namespace db
