#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/export_listing.h"
#include "db/catalogue.h"
#include "export/parser.h"

namespace cli {

int showCommand(const Invocation& call, Console& console) {
  const std::string& path = call.files.front();
  const exports::ExportKind kind = exports::exportKindOf(path);
  if (kind != exports::ExportKind::Wrestlers) {
    const RecordListing listing = listRecordExport(path, kind, db::catalogue());
    if (!listing.readable) {
      printLine(console.err, listing.error);
      return kExitFailed;
    }
    for (const std::string& line : listing.lines) printLine(console.out, line);
    return kExitDone;
  }

  const exports::ParseResult parsed =
      exports::PARSEEXPORT(path, db::catalogue(), exports::incoming(), exports::ParseMode::Interactive);
  const bool parsedWell = parsed.outcome == exports::ParseOutcome::Parsed;
  if (parsed.message) printMessage(console, *parsed.message, !parsedWell);
  if (!parsedWell) return kExitFailed;
  for (const std::string& line : listWrestlerExport(exports::incoming())) printLine(console.out, line);
  return kExitDone;
}

}  // namespace cli
