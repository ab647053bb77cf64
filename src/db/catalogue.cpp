#include "db/catalogue.h"

#include "db/load_database.h"
#include "db/release.h"

namespace db {

Catalogue& catalogue() {
  static Catalogue instance;
  return instance;
}

void releaseCatalogue(Catalogue& catalogue) {
  releaseKinds(catalogue, kLoadEverything);
  clearCrowdEntries(catalogue);
  catalogue.CatalogueLoaded = 0;
  catalogue.GameFolder.clear();
  catalogue.circuitCounter = 0;
  catalogue.kindLoads = {};
}

}  // namespace db
