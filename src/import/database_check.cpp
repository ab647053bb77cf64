#include "import/database_check.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "db/codecs.h"
#include "db/database_guard.h"
#include "db/gimmick.h"
#include "db/lines_per_record.h"
#include "db/load_database.h"
#include "db/load_report.h"
#include "db/object.h"
#include "db/referee.h"
#include "db/stable.h"
#include "import/count_file_check.h"
#include "import/index_check.h"
#include "import/record_file_scan.h"
#include "import/record_kinds.h"
#include "import/record_references.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace imports {
namespace {

struct CheckedFile {
  int32_t kindBit;  // the kind's bit of the load mask, which names its file
  std::string_view singular;
  std::string_view plural;
  RecordFileLayout layout;
  std::optional<RecordKind> kind;  // the kinds an import writes: their references and index are checked
  bool optional = false;           // a game may have none
};

// Moves first: the other files name moves, and the check of a reference needs the file it names.
// Referees are optional, as the load takes them.
const std::array<CheckedFile, 9>& checkedFiles() {
  static const std::array<CheckedFile, 9> files{{
      {db::kLoadMoves, "move", "moves", {db::kMoveLines, false, db::kMoveLines}, RecordKind::Move},
      {db::kLoadDives, "dive", "dives", {db::kDiveLines, false, db::kDiveLines}, RecordKind::Dive},
      {db::kLoadManagers, "manager", "managers", {db::kManagerLines, false, 0}, RecordKind::Manager},
      {db::kLoadWrestlers,
       "wrestler",
       "wrestlers",
       {db::kWrestlerLines, false, db::kWrestlerLines},
       RecordKind::Wrestler},
      {db::kLoadTeams, "team", "teams", {db::kTeamLines, false, db::kTeamLines}, RecordKind::Team},
      {db::kLoadStables, "stable", "stables", {db::kStableFixedLines, true, 0}, std::nullopt},
      {db::kLoadObjects, "object", "objects", {db::kObjectLines, false, 0}, std::nullopt},
      {db::kLoadGimmicks, "gimmick match", "gimmick matches", {db::kGimmickLines, false, 0}, std::nullopt},
      {db::kLoadReferees, "referee", "referees", {db::kRefereeLines, false, 0}, std::nullopt, true},
  }};
  return files;
}

// What the files read so far tell about the kinds that records name.
struct ReferencedFile {
  std::string name;  // "moves.dat"
  std::string_view plural;
  std::optional<int32_t> usable;  // records a reference may name; nothing when the file could not be read
};

// A move naming a move of its own file that the pass has not reached yet.
struct PendingReference {
  int32_t record;
  std::string recordName;
  RecordReference reference;
};

class DatabaseCheck {
 public:
  explicit DatabaseCheck(std::string_view gameFolder) : folder_(gameFolder) {}

  DatabaseFindings run() {
    if (!platform::folderExists(db::dataFolder(folder_))) {
      findings_.push_back(
          makeFinding(FindingKind::MissingFile, "data", "", "missing: the game folder has no data folder"));
      return std::move(findings_);
    }
    std::array<ExpectedCount, 3> counts{};
    for (const CheckedFile& file : checkedFiles()) {
      const RecordFileScan scan = checkFile(file);
      const std::optional<int32_t> count = scan.exists && !scan.failure && scan.countValid
                                               ? std::optional<int32_t>(scan.stated)
                                               : std::nullopt;
      const ExpectedCount expected{fileName(file), std::string(file.plural), std::string(file.singular),
                                   count};
      if (file.kindBit == db::kLoadWrestlers) counts[0] = expected;
      if (file.kindBit == db::kLoadMoves) counts[1] = expected;
      if (file.kindBit == db::kLoadManagers) counts[2] = expected;
    }
    checkCountFile(countFile(folder_), counts, findings_);
    return std::move(findings_);
  }

 private:
  static std::string fileName(const CheckedFile& file) {
    return std::string(platform::fileNameOf(db::kindFilePath("", file.kindBit)));
  }

  RecordFileScan checkFile(const CheckedFile& file) {
    const std::string name = fileName(file);
    recordFindings_.clear();
    pending_.clear();
    RecordVisitor visit;
    if (file.kind) {
      visit = [this, &file, &name](int32_t record, const exports::RecordLines& lines) {
        checkRecord(file, name, record, lines);
      };
    }
    const RecordFileScan scan = scanRecordFile(db::kindFilePath(folder_, file.kindBit), file.layout, visit);

    if (file.kind) {
      ReferencedFile& referenced = referencedFile(*file.kind);
      referenced.name = name;
      referenced.plural = file.plural;
      if (scan.exists && !scan.failure) referenced.usable = scan.usableRecords();
    }
    checkFileAsAWhole(file, name, scan);
    resolvePending(file, name);
    findings_.insert(findings_.end(), recordFindings_.begin(), recordFindings_.end());
    if (file.kind && scan.exists && !scan.failure) checkIndexOf(file, scan);
    return scan;
  }

  void checkFileAsAWhole(const CheckedFile& file, const std::string& name, const RecordFileScan& scan) {
    if (scan.failure) {
      findings_.push_back(makeFinding(FindingKind::UnreadableFile, name, "",
                                      "cannot be read: " + describeFailure(*scan.failure)));
      return;
    }
    if (!scan.exists) {
      if (!file.optional) findings_.push_back(makeFinding(FindingKind::MissingFile, name, "", "missing"));
      return;
    }
    const std::string field = "count line";
    if (!scan.hasCountLine) {
      findings_.push_back(
          makeFinding(FindingKind::CountLineNotANumber, name, field, "missing: the file is empty"));
      return;
    }
    std::string holds = counted(scan.records, file.singular, file.plural);
    if (scan.leftoverLines > 0)
      holds += " and " + counted(scan.leftoverLines, "line", "lines") + " of another";
    if (!scan.countValid) {
      findings_.push_back(
          makeFinding(FindingKind::CountLineNotANumber, name, field,
                      "holds \"" + scan.countLine + "\", which is no record count; the file holds " + holds));
      return;
    }
    const bool longer = scan.records > scan.stated || (scan.records == scan.stated && scan.leftoverLines > 0);
    const bool shorter = scan.records < scan.stated;
    if (!longer && !shorter) return;
    findings_.push_back(makeFinding(
        longer ? FindingKind::FileLongerThanCount : FindingKind::FileShorterThanCount, name, field,
        "says " + counted(scan.stated, file.singular, file.plural) + ", but the file holds " + holds));
  }

  void checkRecord(const CheckedFile& file, const std::string& name, int32_t record,
                   const exports::RecordLines& lines) {
    collectReferences(*file.kind, lines, references_);
    std::optional<std::string> recordName;
    for (const RecordReference& reference : references_) {
      if (reference.target == *file.kind) {
        // Records before this one are whole; a later one may be missing, which only the end tells.
        if (reference.value >= record) {
          if (!recordName) recordName = imports::recordName(*file.kind, lines);
          pending_.push_back(PendingReference{record, *recordName, reference});
        }
        continue;
      }
      const ReferencedFile& target = referencedFile(reference.target);
      if (!target.usable || reference.value <= *target.usable) continue;
      if (!recordName) recordName = imports::recordName(*file.kind, lines);
      // Shown in the program's character set, as the record's name is; a label may hold letters.
      const std::string moveText(
          reference.inMoveText ? db::REMAPDIACRITICS(lineText(lines, reference.range.line), 0) : "");
      recordFindings_.push_back(referenceFinding(file, name, record, *recordName, reference, moveText));
    }
  }

  void resolvePending(const CheckedFile& file, const std::string& name) {
    if (!file.kind) return;
    const ReferencedFile& own = referencedFile(*file.kind);
    for (const PendingReference& pending : pending_) {
      if (!own.usable || pending.reference.value <= *own.usable) continue;
      recordFindings_.push_back(
          referenceFinding(file, name, pending.record, pending.recordName, pending.reference, ""));
    }
  }

  DatabaseFinding referenceFinding(const CheckedFile& file, const std::string& name, int32_t record,
                                   const std::string& recordName, const RecordReference& reference,
                                   const std::string& moveText) {
    const ReferencedFile& target = referencedFile(reference.target);
    const std::string_view noun = kindName(reference.target);
    std::string problem = "names " + std::string(noun) + " " + std::to_string(reference.value) + ", but " +
                          target.name + " holds " + counted(*target.usable, noun, target.plural);
    if (reference.inMoveText) problem = "move text \"" + moveText + "\" " + problem;
    return makeRecordFinding(
        reference.inMoveText ? FindingKind::TeamMovePastCount : FindingKind::ReferencePastCount, name,
        std::string(file.singular), record, recordName, referenceField(reference), problem, reference.value);
  }

  void checkIndexOf(const CheckedFile& file, const RecordFileScan& scan) {
    const std::string path = indexFile(folder_, *file.kind);
    checkIndex(IndexedFile{path, std::string(platform::fileNameOf(path)), fileName(file),
                           std::string(file.singular), scan.recordStarts},
               findings_);
  }

  ReferencedFile& referencedFile(RecordKind kind) { return referenced_[static_cast<size_t>(kind)]; }

  std::string folder_;
  DatabaseFindings findings_;
  DatabaseFindings recordFindings_;  // of the file being checked
  std::vector<PendingReference> pending_;
  std::vector<RecordReference> references_;
  std::array<ReferencedFile, 5> referenced_{};
};

}  // namespace

DatabaseFindings checkDatabase(std::string_view gameFolder) {
  return DatabaseCheck(gameFolder).run();
}

}  // namespace imports
