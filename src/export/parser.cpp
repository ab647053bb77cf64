#include "export/parser.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>
#include <utility>

#include "db/codecs.h"
#include "export/streams.h"
#include "memory/heap_blocks.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "services/events.h"
#include "services/messages.h"
#include "services/program.h"

namespace exports {

namespace {

// Closes the stream it holds whatever way the parse ends.
class StreamHandle {
 public:
  explicit StreamHandle(int32_t number) : number_(number) {}
  ~StreamHandle() { close(); }
  StreamHandle(const StreamHandle&) = delete;
  StreamHandle& operator=(const StreamHandle&) = delete;

  int32_t number() const { return number_; }
  void close() {
    if (number_ > 0) CLOSECRYPT(number_);
    number_ = 0;
  }
  void reopen(std::string_view fileName) {
    close();
    number_ = OPENCRYPT(fileName);
  }

 private:
  int32_t number_;
};

std::string fromDos(std::string_view text) {
  return db::REMAPDIACRITICS(text, 0);
}

std::string cutName(std::string_view name) {
  return std::string(name.substr(0, kMaxNameLength));
}

// Reads lines first..last of one record; once the stream is at its end the lines stay empty. False
// when a line holds a line break.
bool readRecordLines(int32_t stream, RecordLines& lines, int first, int last) {
  services::keepResponsive();
  for (int n = first; n <= last; ++n) {
    if (CRYPTEOF(stream)) return true;
    lines[n] = INPUTCRYPT(stream);
    if (holdsLineBreak(lines[n])) return false;
  }
  return true;
}

// The lowest record number 1..count of each name (upper-cased for the kinds matched without regard
// to case); deleted records take part like any other.
class NameIndex {
 public:
  template <typename Records, typename KeyOf>
  NameIndex(const Records& records, int32_t count, KeyOf keyOf, bool ignoreCase) : ignoreCase_(ignoreCase) {
    const int64_t last = std::min<int64_t>(count, static_cast<int64_t>(std::size(records)) - 1);
    for (int64_t i = last; i >= 1; --i) {
      const std::string_view name = memory::heapText(keyOf(records[static_cast<size_t>(i)]));
      first_[ignoreCase_ ? platform::upperCase1252(name) : std::string(name)] = static_cast<int32_t>(i);
    }
  }

  int32_t find(std::string_view name) const {
    const auto found = first_.find(ignoreCase_ ? platform::upperCase1252(name) : std::string(name));
    return found == first_.end() ? 0 : found->second;
  }

 private:
  bool ignoreCase_;
  std::unordered_map<std::string, int32_t> first_;
};

void setMatch(IncomingRecord& record, int32_t existing) {
  record.ExistingNumber = existing;
  record.IsNew = existing == 0 ? 1 : 0;
}

// Both arrays of a kind for `count` records, element 0 included, every record with all its line
// slots (empty).
void createArrays(std::vector<IncomingRecord>& headers, std::vector<RecordLines>& lines, int32_t count,
                  int lastLine) {
  headers.assign(static_cast<size_t>(count) + 1, IncomingRecord{});
  lines.assign(static_cast<size_t>(count) + 1, RecordLines(static_cast<size_t>(lastLine) + 1));
}

// How many records of a section to read. Every line takes at least one byte of the file, so a count
// beyond what is left of it is damaged: its records are then read only while the stream lasts (a
// record cut short keeps its missing lines empty), so that a few damaged bytes cannot make up tens of
// thousands of empty records. A count the file can hold stands, records past the end reading as empty
// lines.
struct RecordBudget {
  int32_t limit = 0;       // the arrays are created for this many records
  bool believable = true;  // false: no record is begun at the end of the stream
};

RecordBudget recordBudget(int32_t stream, int32_t promised, int linesPerRecord) {
  const int64_t capacity = streamBytesLeft(stream) / linesPerRecord;
  if (promised <= capacity) return {promised, true};
  return {static_cast<int32_t>(capacity + 1), false};
}

// Drops the records after the first `count` from both arrays of a kind.
void keepRecords(std::vector<IncomingRecord>& headers, std::vector<RecordLines>& lines, int32_t count) {
  headers.resize(static_cast<size_t>(count) + 1);
  lines.resize(static_cast<size_t>(count) + 1);
}

// A record number of the exporting database, as line 0 of a move, manager or dive gives it; -1 when it
// does not fit 16 bits.
int32_t sourceNumberOf(std::string_view line) {
  const int64_t value = platform::numberValue(line);
  return value < 0 || value > kMaxRecordCount ? -1 : static_cast<int32_t>(value);
}

enum class SectionStatus { Read, Corrupt };

SectionStatus readWrestlers(int32_t stream, const db::Catalogue& catalogue, IncomingRecords& out,
                            ParseMode mode) {
  const int32_t promised = countValue(INPUTCRYPT(stream));
  if (promised < 0) return SectionStatus::Corrupt;
  const RecordBudget budget = recordBudget(stream, promised, kWrestlerLines);
  createArrays(out.IncomingWrestlers, out.IncomingWrestlerLines, budget.limit, kWrestlerLines);
  const NameIndex names(
      catalogue.Wrestlers, catalogue.WrestlerCount, [](const db::Wrestler& w) { return w.Name; }, false);
  int32_t count = 0;
  for (int32_t i = 1; i <= budget.limit; ++i) {
    if (!budget.believable && CRYPTEOF(stream)) break;
    RecordLines& lines = out.IncomingWrestlerLines[i];
    if (!readRecordLines(stream, lines, 1, kWrestlerLines)) return SectionStatus::Corrupt;
    IncomingRecord& record = out.IncomingWrestlers[i];
    // The batch converts the name as well: the catalogue's names are converted, and a name matched as
    // it stands would miss its wrestler whenever it holds an accented letter, so that the batch would
    // add him again instead of overwriting him.
    record.StoredName = cutName(fromDos(lines[1]));
    record.ListName = record.StoredName;
    record.SourceNumber = i;
    setMatch(record, names.find(record.StoredName));
    if (mode == ParseMode::Batch) record.ImportNumber = 1;
    count = i;
  }
  keepRecords(out.IncomingWrestlers, out.IncomingWrestlerLines, count);
  out.IncomingWrestlerCount = count;
  return SectionStatus::Read;
}

// Teams have no count line: the section is counted on one stream, then read on a fresh one.
SectionStatus readTeams(StreamHandle& stream, std::string_view fileName, const db::Catalogue& catalogue,
                        IncomingRecords& out) {
  FISEEK(stream.number(), kTeamsMarker);
  int64_t count = 0;
  while (!INPUTCRYPT(stream.number()).empty()) {
    if (++count > kMaxRecordCount) return SectionStatus::Corrupt;
    skipStreamLines(stream.number(), kTeamLines - 1);
  }
  stream.reopen(fileName);
  FISEEK(stream.number(), kTeamsMarker);

  out.IncomingTeamCount = static_cast<int32_t>(count);
  createArrays(out.IncomingTeams, out.IncomingTeamLines, out.IncomingTeamCount, kTeamLines);
  const NameIndex names(
      catalogue.Teams, catalogue.TeamCount, [](const db::Team& t) { return t.DisplayName; }, false);
  for (int32_t i = 1; i <= out.IncomingTeamCount; ++i) {
    RecordLines& lines = out.IncomingTeamLines[i];
    if (!readRecordLines(stream.number(), lines, 1, kTeamLines)) return SectionStatus::Corrupt;
    IncomingRecord& record = out.IncomingTeams[i];
    // The catalogue holds team and member names converted from code page 437; so must the name
    // matched against it, or a team with an accented member would never be found.
    const std::string members = fromDos(lines[1]) + "/" + fromDos(lines[2]);
    record.StoredName = cutName(lines[3].empty() ? members : fromDos(lines[3]) + " (" + members + ")");
    record.ListName = record.StoredName;
    record.SourceNumber = i;
    setMatch(record, names.find(record.StoredName));
  }
  return SectionStatus::Read;
}

// Moves and dives: names keep their article in StoredName and lose it in ListName, which is matched
// without regard to case. Both are converted from code page 437 like the catalogue's names.
template <typename Records, typename KeyOf>
SectionStatus readActions(int32_t stream, std::string_view marker, int lastLine, const Records& existing,
                          int32_t existingCount, KeyOf keyOf, std::vector<IncomingRecord>& headers,
                          std::vector<RecordLines>& lines, int32_t& count) {
  FISEEK(stream, marker);
  const int32_t promised = countValue(INPUTCRYPT(stream));
  if (promised < 0) return SectionStatus::Corrupt;
  const RecordBudget budget = recordBudget(stream, promised, lastLine + 1);
  createArrays(headers, lines, budget.limit, lastLine);
  const NameIndex names(existing, existingCount, keyOf, true);
  count = 0;
  for (int32_t i = 1; i <= budget.limit; ++i) {
    if (!budget.believable && CRYPTEOF(stream)) break;
    if (!readRecordLines(stream, lines[i], 0, lastLine)) return SectionStatus::Corrupt;
    IncomingRecord& record = headers[i];
    record.SourceNumber = sourceNumberOf(lines[i][0]);
    if (record.SourceNumber < 0) return SectionStatus::Corrupt;
    const std::string name = fromDos(lines[i][1]);
    record.StoredName = cutName(name);
    record.ListName = cutName(db::REMOVEARTICLE(name));
    setMatch(record, names.find(record.ListName));
    count = i;
  }
  keepRecords(headers, lines, count);
  return SectionStatus::Read;
}

SectionStatus readManagers(int32_t stream, const db::Catalogue& catalogue, IncomingRecords& out) {
  FISEEK(stream, kManagersMarker);
  const int32_t promised = countValue(INPUTCRYPT(stream));
  if (promised < 0) return SectionStatus::Corrupt;
  const RecordBudget budget = recordBudget(stream, promised, kManagerLines + 1);
  createArrays(out.IncomingManagers, out.IncomingManagerLines, budget.limit, kManagerLines);
  const NameIndex names(
      catalogue.Managers, catalogue.ManagerCount, [](const db::Manager& m) { return m.Name; }, false);
  int32_t count = 0;
  for (int32_t i = 1; i <= budget.limit; ++i) {
    if (!budget.believable && CRYPTEOF(stream)) break;
    RecordLines& lines = out.IncomingManagerLines[i];
    if (!readRecordLines(stream, lines, 0, kManagerLines)) return SectionStatus::Corrupt;
    IncomingRecord& record = out.IncomingManagers[i];
    record.SourceNumber = sourceNumberOf(lines[0]);
    if (record.SourceNumber < 0) return SectionStatus::Corrupt;
    // Manager names are converted from code page 437 as the catalogue converts them.
    record.StoredName = cutName(fromDos(lines[1]));
    record.ListName = record.StoredName;
    setMatch(record, names.find(record.StoredName));
    count = i;
  }
  keepRecords(out.IncomingManagers, out.IncomingManagerLines, count);
  out.IncomingManagerCount = count;
  return SectionStatus::Read;
}

SectionStatus readSections(StreamHandle& stream, std::string_view fileName, const db::Catalogue& catalogue,
                           IncomingRecords& out, ParseMode mode) {
  if (readWrestlers(stream.number(), catalogue, out, mode) == SectionStatus::Corrupt) {
    return SectionStatus::Corrupt;
  }
  if (readTeams(stream, fileName, catalogue, out) == SectionStatus::Corrupt) return SectionStatus::Corrupt;
  if (readActions(
          stream.number(), kMovesMarker, kMoveLines, catalogue.Moves, catalogue.MoveCount,
          [](const db::Move& m) { return m.ListName; }, out.IncomingMoves, out.IncomingMoveLines,
          out.IncomingMoveCount) == SectionStatus::Corrupt) {
    return SectionStatus::Corrupt;
  }
  if (readManagers(stream.number(), catalogue, out) == SectionStatus::Corrupt) return SectionStatus::Corrupt;
  return readActions(
      stream.number(), kDivesMarker, kDiveLines, catalogue.Dives, catalogue.DiveCount,
      [](const db::Dive& d) { return d.ListName; }, out.IncomingDives, out.IncomingDiveLines,
      out.IncomingDiveCount);
}

std::vector<std::string> newNames(const std::vector<IncomingRecord>& headers, int32_t count) {
  std::vector<std::string> names;
  for (int32_t i = 1; i <= count; ++i) {
    if (headers[i].IsNew == 1) names.push_back(headers[i].ListName);
  }
  return names;
}

// One item per wrestler; an item is selected when the first wrestler of its name (compared without
// regard to case) is new, so by default every wrestler not yet in the database is chosen.
std::vector<WrestlerItem> wrestlerItems(const IncomingRecords& in) {
  std::unordered_map<std::string, int32_t> firstByName;
  for (int32_t i = in.IncomingWrestlerCount; i >= 1; --i) {
    firstByName[platform::upperCase1252(in.IncomingWrestlers[i].ListName)] = i;
  }
  std::vector<WrestlerItem> items;
  items.reserve(static_cast<size_t>(in.IncomingWrestlerCount));
  for (int32_t i = 1; i <= in.IncomingWrestlerCount; ++i) {
    const bool female = platform::numberValue(in.IncomingWrestlerLines[i][79]) == 1;
    WrestlerItem item;
    item.text = std::string(female ? "F" : "M") + "\t" + in.IncomingWrestlers[i].ListName;
    const auto first = firstByName.find(platform::upperCase1252(std::string_view(item.text).substr(2)));
    item.selected = first != firstByName.end() && in.IncomingWrestlers[first->second].IsNew == 1;
    items.push_back(std::move(item));
  }
  return items;
}

void fillListData(const IncomingRecords& in, ParseResult& result) {
  result.wrestlerItems = wrestlerItems(in);
  result.newMoves = newNames(in.IncomingMoves, in.IncomingMoveCount);
  result.newDives = newNames(in.IncomingDives, in.IncomingDiveCount);
  result.newManagers = newNames(in.IncomingManagers, in.IncomingManagerCount);
  result.newTeams = newNames(in.IncomingTeams, in.IncomingTeamCount);
  result.moveRowCount = static_cast<int32_t>(result.newMoves.size());
  result.diveRowCount = static_cast<int32_t>(result.newDives.size());
}

// The outcome of a stream that could not be opened (OPENCRYPT's 0 or -1), and in the interactive
// parse what the user is told.
void openFailure(int32_t stream, std::string_view fileName, ParseMode mode, ParseResult& result) {
  const bool corrupt = stream < 0;
  if (mode == ParseMode::Interactive) {
    result.message =
        services::informationBox(namingFile(corrupt ? kCorruptFileMessage : kOpenErrorMessage, fileName));
  }
  result.outcome = corrupt ? ParseOutcome::Corrupt : ParseOutcome::CannotOpen;
}

}  // namespace

std::string namingFile(std::string_view text, std::string_view path) {
  return std::string(text) + "\r\n" + platform::pathForDisplay(path);
}

bool holdsLineBreak(std::string_view line) {
  return line.find_first_of("\r\n\x1A") != std::string_view::npos;
}

int32_t countValue(std::string_view line) {
  const int64_t value = platform::numberValue(line);
  if (value > kMaxRecordCount) return -1;
  return value < 0 ? 0 : static_cast<int32_t>(value);
}

ParseResult PARSEEXPORT(std::string_view fileName, const db::Catalogue& catalogue, IncomingRecords& records,
                        ParseMode mode) {
  ParseResult result;
  StreamHandle stream(OPENCRYPT(fileName));
  if (stream.number() <= 0) {
    openFailure(stream.number(), fileName, mode, result);
    return result;
  }

  FISEEK(stream.number(), kWrestlersMarker);
  if (mode == ParseMode::Interactive && CRYPTEOF(stream.number())) {
    stream.close();
    result.message = services::mainFormBox(namingFile(kNotIdentifiedMessage, fileName));
    result.outcome = ParseOutcome::NotAnExport;
    return result;
  }

  IncomingRecords fresh;
  const SectionStatus status = readSections(stream, fileName, catalogue, fresh, mode);
  // The teams pass reopens the file; a file that can no longer be opened is reported like the first open.
  const int32_t reopened = stream.number();
  stream.close();
  if (reopened <= 0) {
    openFailure(reopened, fileName, mode, result);
    return result;
  }
  if (status == SectionStatus::Corrupt) {
    if (mode == ParseMode::Interactive) {
      result.message = services::informationBox(namingFile(kCorruptFileMessage, fileName));
    }
    result.outcome = ParseOutcome::Corrupt;
    return result;
  }

  records = std::move(fresh);
  if (mode == ParseMode::Interactive) fillListData(records, result);
  return result;
}

ParseResult PARSEEXPORT(std::string_view fileName) {
  return PARSEEXPORT(fileName, db::catalogue(), incoming(), ParseMode::Interactive);
}

}  // namespace exports
