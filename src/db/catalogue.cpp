#include "db/catalogue.h"

#include "db/release.h"

namespace db {

Catalogue& catalogue() {
  static Catalogue instance;
  return instance;
}

void releaseCatalogue(Catalogue& catalogue) {
  FREEWRESTLERS(catalogue);
  eraseRecords(catalogue.Wrestlers, catalogue.WrestlerCount);
  FREEMANAGERS(catalogue);
  eraseRecords(catalogue.Managers, catalogue.ManagerCount);
  FREETEAMS(catalogue);
  eraseRecords(catalogue.Teams, catalogue.TeamCount);
  FREEDIVES(catalogue);
  eraseRecords(catalogue.Dives, catalogue.DiveCount);
  FREEMOVES(catalogue);
  eraseRecords(catalogue.Moves, catalogue.MoveCount);
  FREESTABLES(catalogue);
  eraseRecords(catalogue.Stables, catalogue.StableCount);
  FREEFOREIGN(catalogue);
  eraseRecords(catalogue.Objects, catalogue.ObjectCount);
  FREEGIMMICKS(catalogue);
  eraseRecords(catalogue.Gimmicks, catalogue.GimmickCount);
  FREEREFEREES(catalogue);
  eraseRecords(catalogue.Referees, catalogue.RefereeCount);
  FREECIRCUITS(catalogue);
  eraseRecords(catalogue.Circuits, catalogue.CircuitCount);
  clearCrowdEntries(catalogue);
  catalogue.CatalogueLoaded = 0;
  catalogue.GameFolder.clear();
  catalogue.CircuitCounter = 0;
}

}  // namespace db
