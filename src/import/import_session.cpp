#include "import/import_session.h"

#include <utility>

#include "import/list_selection.h"
#include "import/selection.h"
#include "services/program.h"

namespace imports {
namespace {

std::vector<std::string> listNames(const std::vector<exports::IncomingRecord>& records,
                                   const std::vector<int32_t>& indexes) {
  std::vector<std::string> names;
  names.reserve(indexes.size());
  for (int32_t index : indexes) names.push_back(records[static_cast<size_t>(index)].ListName);
  return names;
}

}  // namespace

ImportSession::ImportSession(db::Catalogue& catalogue, exports::IncomingRecords& incoming,
                             std::string databaseFolder)
    : catalogue_(catalogue), incoming_(incoming), databaseFolder_(std::move(databaseFolder)) {}

ImportSession::ImportSession()
    : ImportSession(db::catalogue(), exports::incoming(), services::program().databaseFolder) {}

exports::OpenExportResult ImportSession::open(std::string_view path) {
  return exports::openExportFile(path, catalogue_, incoming_, databaseFolder_);
}

exports::OpenExportResult ImportSession::open(std::string_view path, exports::ExportKind kind) {
  return exports::openExportFile(path, kind, catalogue_, incoming_, databaseFolder_);
}

NeededNames ImportSession::select(const std::vector<exports::WrestlerItem>& items) {
  copyWrestlerSelection(items, incoming_);
  evaluateSelection(incoming_);
  const NeededNewRecords needed = neededNewRecords(incoming_);
  return NeededNames{listNames(incoming_.IncomingMoves, needed.moves),
                     listNames(incoming_.IncomingDives, needed.dives),
                     listNames(incoming_.IncomingManagers, needed.managers),
                     listNames(incoming_.IncomingTeams, needed.teams)};
}

ImportRunResult ImportSession::import(const MappingRows& rows, const ConfirmImport& confirm) {
  return PROCESSIMPORT(incoming_, catalogue_, rows, databaseFolder_, confirm);
}

}  // namespace imports
