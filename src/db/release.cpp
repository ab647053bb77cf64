#include "db/release.h"

#include "db/catalogue.h"
#include "db/load_database.h"

namespace db {

void FREEWRESTLERS(Catalogue& catalogue) {
  releaseRecords(catalogue.Wrestlers, catalogue.WrestlerCount);
}
void FREEMANAGERS(Catalogue& catalogue) {
  releaseRecords(catalogue.Managers, catalogue.ManagerCount);
}
void FREETEAMS(Catalogue& catalogue) {
  releaseRecords(catalogue.Teams, catalogue.TeamCount);
}
void FREEDIVES(Catalogue& catalogue) {
  releaseRecords(catalogue.Dives, catalogue.DiveCount);
}
void FREESTABLES(Catalogue& catalogue) {
  releaseRecords(catalogue.Stables, catalogue.StableCount);
}
void FREEFOREIGN(Catalogue& catalogue) {
  releaseRecords(catalogue.Objects, catalogue.ObjectCount);
}
void FREEGIMMICKS(Catalogue& catalogue) {
  releaseRecords(catalogue.Gimmicks, catalogue.GimmickCount);
}
void FREEREFEREES(Catalogue& catalogue) {
  releaseRecords(catalogue.Referees, catalogue.RefereeCount);
}
void FREECIRCUITS(Catalogue& catalogue) {
  releaseRecords(catalogue.Circuits, catalogue.CircuitCount);
}
void FREEMOVES(Catalogue& catalogue) {
  releaseRecords(catalogue.Moves, catalogue.MoveCount);
}

namespace {

template <class Record>
void releaseKind(std::vector<Record>& records, int32_t& count, void (*driver)(Catalogue&),
                 Catalogue& catalogue, void (*afterDriver)()) {
  driver(catalogue);
  if (afterDriver != nullptr) afterDriver();
  eraseRecords(records, count);
}

bool selected(int32_t mask, int32_t bits) {
  return (mask & bits) != 0;
}

}  // namespace

void releaseKinds(Catalogue& catalogue, int32_t mask, void (*afterDriver)()) {
  Catalogue& c = catalogue;
  if (selected(mask, kLoadWrestlers))
    releaseKind(c.Wrestlers, c.WrestlerCount, FREEWRESTLERS, c, afterDriver);
  if (selected(mask, kLoadManagers)) releaseKind(c.Managers, c.ManagerCount, FREEMANAGERS, c, afterDriver);
  if (selected(mask, kLoadTeams)) releaseKind(c.Teams, c.TeamCount, FREETEAMS, c, afterDriver);
  if (selected(mask, kLoadDives)) releaseKind(c.Dives, c.DiveCount, FREEDIVES, c, afterDriver);
  if (selected(mask, kLoadMoves)) releaseKind(c.Moves, c.MoveCount, FREEMOVES, c, afterDriver);
  if (selected(mask, kLoadStables)) releaseKind(c.Stables, c.StableCount, FREESTABLES, c, afterDriver);
  if (selected(mask, kLoadObjects)) releaseKind(c.Objects, c.ObjectCount, FREEFOREIGN, c, afterDriver);
  if (selected(mask, kLoadGimmicks)) releaseKind(c.Gimmicks, c.GimmickCount, FREEGIMMICKS, c, afterDriver);
  if (selected(mask, kLoadReferees)) releaseKind(c.Referees, c.RefereeCount, FREEREFEREES, c, afterDriver);
  if (selected(mask, kLoadCircuitsComputed | kLoadCircuits)) {
    releaseKind(c.Circuits, c.CircuitCount, FREECIRCUITS, c, afterDriver);
  }
}

}  // namespace db
