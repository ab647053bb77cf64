// The steps of an interactive import as both front ends take them: Open Export File, Parse
// Selection, Import File. The session works on the catalogue and incoming records it is given (the
// process-wide ones in the window and the command line) and returns what each step produced; the
// front end shows it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "export/open_export.h"
#include "export/parser.h"
#include "import/import_run.h"
#include "import/mapping_rows.h"

namespace imports {

// The list names of the new records the selected wrestlers need, by kind, in incoming order: the
// rows of the two mapping lists and the manager and team lists.
struct NeededNames {
  std::vector<std::string> moves;
  std::vector<std::string> dives;
  std::vector<std::string> managers;
  std::vector<std::string> teams;
};

class ImportSession {
 public:
  ImportSession(db::Catalogue& catalogue, exports::IncomingRecords& incoming, std::string databaseFolder);
  // On the process-wide catalogue, incoming records and database folder.
  ImportSession();

  // An object or gimmick-match export is imported at once, anything else parsed as wrestlers.
  exports::OpenExportResult open(std::string_view path);
  // The same for a file whose kind is known already.
  exports::OpenExportResult open(std::string_view path, exports::ExportKind kind);
  // The items' selection becomes the wrestlers' ImportNumber and what they need is evaluated.
  NeededNames select(const std::vector<exports::WrestlerItem>& items);
  // Passes 1 to 8 with the mappings; the result's messages are for the user.
  ImportRunResult import(const MappingRows& rows, const ConfirmImport& confirm);

 private:
  db::Catalogue& catalogue_;
  exports::IncomingRecords& incoming_;
  std::string databaseFolder_;
};

}  // namespace imports
