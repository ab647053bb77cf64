#include "db/release.h"

#include "db/catalogue.h"

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

}  // namespace db
