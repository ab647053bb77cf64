#include <algorithm>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/export_listing.h"
#include "db/catalogue.h"
#include "db/lookups.h"
#include "export/open_export.h"
#include "import/import_session.h"
#include "import/list_selection.h"
#include "platform/text.h"
#include "services/messages.h"
#include "services/program.h"

namespace cli {
namespace {

// --all / --none, then each --select / --deselect in order. Returns the first name no item has.
std::optional<std::string> applySelection(const ImportOptions& options,
                                          std::vector<exports::WrestlerItem>& items) {
  if (options.base != BaseSelection::Default) {
    for (exports::WrestlerItem& item : items) item.selected = options.base == BaseSelection::All;
  }
  for (const SelectionChange& change : options.changes) {
    bool found = false;
    for (exports::WrestlerItem& item : items) {
      if (imports::itemName(item.text) != change.name) continue;
      item.selected = change.select;
      found = true;
    }
    if (!found) return change.name;
  }
  return std::nullopt;
}

// The rows of one list view; a usage error when IN is not listed or EXISTING names no record.
std::optional<std::string> mappingRows(imports::RecordKind kind, const std::vector<MappingOption>& options,
                                       const std::vector<std::string>& listed,
                                       std::vector<imports::MappingRow>& rows) {
  const std::string kindName(imports::kindName(kind));
  for (const MappingOption& option : options) {
    if (std::find(listed.begin(), listed.end(), option.in) == listed.end()) {
      return "'" + option.in + "' is not a new " + kindName + " that the selected wrestlers need";
    }
    if (!option.rename) {
      // The run looks the name up without its surrounding blanks.
      const std::string target = std::string(platform::trimmed(option.target));
      const int32_t existing = kind == imports::RecordKind::Dive ? db::FINDDIVE(db::catalogue(), target)
                                                                 : db::FINDMOVE(db::catalogue(), target);
      if (existing == 0) return "the database has no " + kindName + " named '" + target + "'";
    }
    rows.push_back(
        imports::MappingRow{option.in, option.target, option.rename ? imports::kRenameItemNumber : 0});
  }
  return std::nullopt;
}

void printWarnings(Console& console, const imports::ImportPlan& plan) {
  for (const imports::RemapWarning& warning : plan.droppedReferences) {
    printLine(console.err, "Warning: " + imports::describeWarning(warning));
  }
}

// A dry run of an object or gimmick-match export: what its import would add; nothing is written.
int listRecords(const std::string& path, exports::ExportKind kind, Console& console) {
  const RecordListing listing = listRecordExport(path, kind, db::catalogue());
  if (!listing.readable) {
    printLine(console.err, listing.error);
    return kExitFailed;
  }
  for (const std::string& line : listing.lines) printLine(console.out, line);
  printLine(console.out, "Dry run: " + std::to_string(listing.newRecords) + " of " +
                             std::to_string(listing.lines.size()) +
                             " records would be imported; nothing was written.");
  return kExitDone;
}

}  // namespace

int usageError(Console& console, std::string_view message) {
  printLine(console.err, "zor-import: " + std::string(message));
  printLine(console.err, "Try 'zor-import --help'.");
  return kExitUsage;
}

int importCommand(const Invocation& call, Console& console) {
  const std::string& path = call.files.front();
  const exports::ExportKind kind = exports::exportKindOf(path);
  if (call.import.dryRun && kind != exports::ExportKind::Wrestlers) return listRecords(path, kind, console);

  // The wizard's road: objects and gimmick matches are imported at once, anything else is parsed.
  imports::ImportSession session;
  exports::OpenExportResult opened = session.open(path, kind);
  const std::optional<services::MessageBoxRequest> message = exports::messageOf(opened);
  if (opened.road != exports::ExportRoad::WrestlerExportParsed) {
    const bool imported = opened.import.outcome == exports::ImportOutcome::Imported;
    if (message) printMessage(console, *message, !imported);
    return imported ? kExitDone : kExitFailed;
  }
  exports::ParseResult& parsed = opened.parse;
  const bool parsedWell = parsed.outcome == exports::ParseOutcome::Parsed;
  if (message) printMessage(console, *message, !parsedWell);
  if (!parsedWell) return kExitFailed;

  if (auto unknown = applySelection(call.import, parsed.wrestlerItems)) {
    return usageError(console, "the export holds no wrestler named '" + *unknown + "'");
  }
  const imports::NeededNames listed = session.select(parsed.wrestlerItems);
  imports::MappingRows rows;
  if (auto error = mappingRows(imports::RecordKind::Move, call.import.moves, listed.moves, rows.moves)) {
    return usageError(console, *error);
  }
  if (auto error = mappingRows(imports::RecordKind::Dive, call.import.dives, listed.dives, rows.dives)) {
    return usageError(console, *error);
  }

  // The plan is printed with the confirmation, once the new files are written.
  bool warned = false;
  auto confirm = [&](const imports::ImportPlan& plan) {
    if (call.import.dryRun || call.import.verbose) {
      for (const std::string& line : imports::describePlan(plan)) printLine(console.out, line);
    }
    printWarnings(console, plan);
    warned = true;
    return services::showMessageBox(imports::confirmationQuestion()) == 1;
  };
  console.answerYes = !call.import.dryRun;
  const imports::ImportRunResult result = session.import(rows, confirm);
  for (const services::MessageBoxRequest& message : result.messages) services::showMessageBox(message);
  if (!warned) printWarnings(console, result.plan);

  switch (result.outcome) {
    case imports::RunOutcome::Imported:
      return kExitDone;
    case imports::RunOutcome::Declined:
      printLine(console.out, "Dry run: nothing was imported; the database was not changed.");
      return kExitDone;
    case imports::RunOutcome::Failed:
      break;
  }
  return kExitFailed;
}

}  // namespace cli
