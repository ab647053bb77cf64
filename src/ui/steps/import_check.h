// After an import, the window checks the database as "zor-import check" does and warns about any
// fault that was not there before: an import must not leave references to records that do not
// exist, nor counts and indexes that do not fit their files.
#pragma once

#include "import/database_findings.h"

namespace ui {

// The findings of the database as it is now, to compare with after the import.
imports::DatabaseFindings checkBeforeImport();
// Checks again and shows the faults the import added, if any; says nothing when there are none.
void warnAboutNewFaults(const imports::DatabaseFindings& before);

}  // namespace ui
