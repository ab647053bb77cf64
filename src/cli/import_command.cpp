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
  if (options.Base != BaseSelection::Default) {
    for (exports::WrestlerItem& item : items) item.selected = options.Base == BaseSelection::All;
  }
  for (const SelectionChange& change : options.Changes) {
    bool found = false;
    for (exports::WrestlerItem& item : items) {
      if (imports::itemName(item.text) != change.Name) continue;
      item.selected = change.Select;
      found = true;
    }
    if (!found) return change.Name;
  }
  return std::nullopt;
}

// The rows of one list view; a usage error when IN is not listed or EXISTING names no record.
std::optional<std::string> mappingRows(imports::RecordKind kind, const std::vector<MappingOption>& options,
                                       const std::vector<std::string>& listed,
                                       std::vector<imports::MappingRow>& rows) {
  const std::string kindName(imports::kindName(kind));
  for (const MappingOption& option : options) {
    if (std::find(listed.begin(), listed.end(), option.In) == listed.end()) {
      return "'" + option.In + "' is not a new " + kindName + " that the selected wrestlers need";
    }
    if (!option.Rename) {
      // The run looks the name up without its surrounding blanks.
      const std::string target = std::string(platform::trimmed(option.Target));
      const int32_t existing = kind == imports::RecordKind::Dive ? db::FINDDIVE(db::catalogue(), target)
                                                                 : db::FINDMOVE(db::catalogue(), target);
      if (existing == 0) return "the database has no " + kindName + " named '" + target + "'";
    }
    rows.push_back(
        imports::MappingRow{option.In, option.Target, option.Rename ? imports::kRenameItemNumber : 0});
  }
  return std::nullopt;
}

void printWarnings(Console& console, const imports::ImportPlan& plan) {
  for (const imports::RemapWarning& warning : plan.DroppedReferences) {
    printLine(console.err, "Warning: " + imports::describeWarning(warning));
  }
}

// A dry run of an object or gimmick-match export: what its import would add; nothing is written.
int listRecords(const std::string& path, exports::ExportKind kind, Console& console) {
  const RecordListing listing = listRecordExport(path, kind, db::catalogue());
  if (!listing.Readable) {
    printLine(console.err, listing.Error);
    return kExitFailed;
  }
  for (const std::string& line : listing.Lines) printLine(console.out, line);
  printLine(console.out, "Dry run: " + std::to_string(listing.NewRecords) + " of " +
                             std::to_string(listing.Lines.size()) +
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
  const std::string& path = call.Files.front();
  const exports::ExportKind kind = exports::exportKindOf(path);
  if (call.Import.DryRun && kind != exports::ExportKind::Wrestlers) return listRecords(path, kind, console);

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

  if (auto unknown = applySelection(call.Import, parsed.wrestlerItems)) {
    return usageError(console, "the export holds no wrestler named '" + *unknown + "'");
  }
  const imports::NeededNames listed = session.select(parsed.wrestlerItems);
  imports::MappingRows rows;
  if (auto error = mappingRows(imports::RecordKind::Move, call.Import.Moves, listed.Moves, rows.Moves)) {
    return usageError(console, *error);
  }
  if (auto error = mappingRows(imports::RecordKind::Dive, call.Import.Dives, listed.Dives, rows.Dives)) {
    return usageError(console, *error);
  }

  // The plan is printed with the confirmation, once the new files are written.
  bool warned = false;
  auto confirm = [&](const imports::ImportPlan& plan) {
    if (call.Import.DryRun || call.Import.Verbose) {
      for (const std::string& line : imports::describePlan(plan)) printLine(console.out, line);
    }
    printWarnings(console, plan);
    warned = true;
    return services::showMessageBox(imports::confirmationQuestion()) == 1;
  };
  console.answerYes = !call.Import.DryRun;
  const imports::ImportRunResult result = session.import(rows, confirm);
  for (const services::MessageBoxRequest& message : result.Messages) services::showMessageBox(message);
  if (!warned) printWarnings(console, result.Plan);

  switch (result.Outcome) {
    case imports::RunOutcome::Imported:
      return kExitDone;
    case imports::RunOutcome::Declined:
      printLine(console.out,
                "Dry run: nothing was imported; the new files were left beside the database files.");
      return kExitDone;
    case imports::RunOutcome::Failed:
      break;
  }
  return kExitFailed;
}

}  // namespace cli
