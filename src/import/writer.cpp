#include "import/writer.h"

#include <algorithm>

#include "import/record_lines.h"
#include "import/unused_files.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "services/events.h"
#include "services/log.h"
#include "services/progress.h"
#include "settings/path_translation.h"

namespace imports {
namespace {

using exports::IncomingRecord;
using exports::IncomingRecords;
using exports::RecordLines;

constexpr int32_t kPumpCount = 25;
constexpr RecordKind kWriteOrder[] = {RecordKind::Team, RecordKind::Dive, RecordKind::Move,
                                      RecordKind::Manager, RecordKind::Wrestler};
constexpr int32_t kPictureLine = 83;

struct KindArrays {
  const std::vector<IncomingRecord>* records;
  const std::vector<RecordLines>* lines;
  int32_t count;
};

KindArrays arraysOf(const IncomingRecords& incoming, RecordKind kind) {
  switch (kind) {
    case RecordKind::Wrestler:
      return {&incoming.IncomingWrestlers, &incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount};
    case RecordKind::Team:
      return {&incoming.IncomingTeams, &incoming.IncomingTeamLines, incoming.IncomingTeamCount};
    case RecordKind::Move:
      return {&incoming.IncomingMoves, &incoming.IncomingMoveLines, incoming.IncomingMoveCount};
    case RecordKind::Manager:
      return {&incoming.IncomingManagers, &incoming.IncomingManagerLines, incoming.IncomingManagerCount};
    case RecordKind::Dive:
      return {&incoming.IncomingDives, &incoming.IncomingDiveLines, incoming.IncomingDiveCount};
  }
  return {nullptr, nullptr, 0};
}

int32_t lastIndex(const KindArrays& arrays) {
  const size_t available = std::min(arrays.records->size(), arrays.lines->size());
  return std::min<int32_t>(arrays.count, static_cast<int32_t>(available) - 1);
}

const RecordLines& linesAt(const KindArrays& arrays, int32_t index) {
  return (*arrays.lines)[static_cast<size_t>(index)];
}

const IncomingRecord& recordAt(const KindArrays& arrays, int32_t index) {
  return (*arrays.records)[static_cast<size_t>(index)];
}

std::string_view heading(RecordKind kind) {
  switch (kind) {
    case RecordKind::Wrestler:
      return "Writing wrestler DB";
    case RecordKind::Team:
      return "Writing team DB";
    case RecordKind::Move:
      return "Writing move DB";
    case RecordKind::Manager:
      return "Writing manager DB";
    case RecordKind::Dive:
      return "Writing dive DB";
  }
  return "";
}

FileFailure totalMismatch(const std::string& path, int32_t newTotal, int32_t existing, int32_t appended) {
  return FileFailure{"write", path, "", platform::kErrInternal,
                     "the new total " + std::to_string(newTotal) + " is not the " + std::to_string(existing) +
                         " existing records plus the " + std::to_string(appended) + " added ones"};
}

// One new record file being written from the old one.
class NewFileWriter {
 public:
  NewFileWriter(const ExistingDatabase& database, RecordKind kind)
      : sourcePath_(databaseFile(database.folder, kind)), targetPath_(newFile(database.folder, kind)) {}

  const std::string& targetPath() const { return targetPath_; }

  // Opens both files, reads the stored count and writes the new total. When no record is to be
  // copied, a database file that does not exist or is empty reads as empty.
  std::optional<FileFailure> begin(int32_t existingCount, int32_t newTotal, int32_t& storedCount) {
    storedCount = 0;
    bool readSource = true;
    if (existingCount <= 0) {
      readSource = platform::fileExists(sourcePath_);
      if (auto failure = trap_.take("find", sourcePath_)) return failure;
    }
    if (readSource) {
      source_.open(sourcePath_, platform::FileMode::Input);
      if (auto failure = trap_.take("open", sourcePath_)) return failure;
    }
    target_.open(targetPath_, platform::FileMode::Output);
    if (auto failure = trap_.take("open", targetPath_)) return failure;
    guard_.begun(targetPath_);
    if (readSource && existingCount <= 0) {
      readSource = !platform::endOfFile(source_.number());
      if (auto failure = trap_.take("read", sourcePath_)) return failure;
    }
    if (readSource) {
      storedCount = platform::readNumber(source_.number());
      if (auto failure = trap_.take("read", sourcePath_)) return failure;
    }
    return write(numberLine(newTotal));
  }

  // The next line of the old file; the view holds until the next file operation.
  std::optional<std::string_view> readLine() {
    std::string_view line = platform::readLineView(source_.number());
    if (trap_.failed()) return std::nullopt;
    return line;
  }
  std::optional<FileFailure> readFailure() { return trap_.take("read", sourcePath_); }

  std::optional<FileFailure> write(std::string_view line) {
    platform::writeLine(target_.number(), line);
    return trap_.take("write", targetPath_);
  }

  // Copies the next `lines` lines unchanged.
  std::optional<FileFailure> copyLines(int32_t lines) {
    const platform::LineCopy copy = platform::copyLines(source_.number(), target_.number(), lines);
    if (!trap_.failed()) return std::nullopt;
    return copy.writeFailed ? trap_.take("write", targetPath_) : readFailure();
  }

  std::optional<FileFailure> writeRecord(const RecordLines& lines, int32_t count) {
    for (int32_t n = 1; n <= count; ++n) {
      if (auto failure = write(lineText(lines, n))) return failure;
    }
    return std::nullopt;
  }

  // Flushes and closes the new file, closes the old one.
  std::optional<FileFailure> finish() {
    platform::flushFile(target_.number());
    if (auto failure = trap_.take("flush", targetPath_)) return failure;
    target_.close();
    if (auto failure = trap_.take("close", targetPath_)) return failure;
    source_.close();
    if (auto failure = trap_.take("close", sourcePath_)) return failure;
    guard_.finished();
    return std::nullopt;
  }

  // The file test of a replacing wrestler's picture path.
  std::optional<FileFailure> pictureExists(const std::string& path, std::string_view databaseFolder,
                                           bool& exists) {
    exists = false;
    if (path.empty()) return std::nullopt;
    exists =
        platform::fileExists(settings::TRANSLATEPATH(path, databaseFolder)) || platform::fileExists(path);
    return trap_.take("find", path);
  }

 private:
  // Declared first so that it outlives the files: errors of their closing are still trapped.
  FileErrorTrap trap_;
  std::string sourcePath_;
  std::string targetPath_;
  NewFileGuard guard_;  // a write-out that stops leaves no half of its new file behind
  OpenedFile source_;
  OpenedFile target_;
};

// For each existing wrestler 1..existing, the first selected incoming wrestler that replaces it, or 0.
std::vector<int32_t> replacementsOf(const KindArrays& wrestlers, int32_t existing) {
  std::vector<int32_t> replacements(static_cast<size_t>(std::max(existing, 0)) + 1, 0);
  for (int32_t j = lastIndex(wrestlers); j >= 1; --j) {
    const IncomingRecord& record = recordAt(wrestlers, j);
    if (record.ImportNumber != 0 && record.ExistingNumber >= 1 && record.ExistingNumber <= existing) {
      replacements[static_cast<size_t>(record.ExistingNumber)] = j;
    }
  }
  return replacements;
}

std::optional<FileFailure> writeReplacement(NewFileWriter& writer, const ExistingDatabase& database,
                                            const RecordLines& replacement, const WriteOptions& options) {
  for (int32_t n = 1; n <= linesPerRecord(RecordKind::Wrestler); ++n) {
    std::optional<std::string_view> existingLine = writer.readLine();
    if (!existingLine) return writer.readFailure();
    if (n == kPictureLine) {
      const std::string existing(*existingLine);  // the picture test below reads files
      const std::string picture(lineText(replacement, n));
      bool exists = false;
      if (auto failure = writer.pictureExists(picture, database.folder, exists)) return failure;
      if (auto failure = writer.write(exists ? picture : existing)) return failure;
      continue;
    }
    std::string_view line = lineText(replacement, n);
    if (auto failure = writer.write(line)) return failure;
    if (options.logReplacements) services::LOGM("  " + std::string(line));
  }
  return std::nullopt;
}

}  // namespace

ExistingDatabase existingDatabaseOf(const db::Catalogue& catalogue, std::string_view folder) {
  ExistingDatabase database;
  database.folder = std::string(folder);
  database.counts = RecordCounts{catalogue.WrestlerCount, catalogue.MoveCount, catalogue.DiveCount,
                                 catalogue.ManagerCount, catalogue.TeamCount};
  const size_t names =
      std::min(catalogue.Wrestlers.size(), static_cast<size_t>(std::max(catalogue.WrestlerCount, 0)) + 1);
  for (size_t k = 0; k < names; ++k) {
    database.wrestlerNames.emplace_back(memory::heapText(catalogue.Wrestlers[k].Name));
  }
  return database;
}

std::optional<FileFailure> writeKind(RecordKind kind, const ExistingDatabase& database, int32_t newTotal,
                                     const IncomingRecords& incoming, const WriteOptions& options) {
  if (kind == RecordKind::Wrestler) return writeWrestlers(database, newTotal, incoming, options);

  const KindArrays arrays = arraysOf(incoming, kind);
  const int32_t existing = countOf(database.counts, kind);
  const int32_t last = lastIndex(arrays);
  int32_t appended = 0;
  for (int32_t i = 1; i <= last; ++i) {
    if (recordAt(arrays, i).ImportNumber != 0) ++appended;
  }
  NewFileWriter writer(database, kind);
  if (newTotal != existing + appended)
    return totalMismatch(writer.targetPath(), newTotal, existing, appended);

  if (options.logHeadings) services::LOGM(heading(kind));
  int32_t storedCount = 0;
  if (auto failure = writer.begin(existing, newTotal, storedCount)) return failure;
  if (kind == RecordKind::Move) {
    services::LOGMF("m=" + std::to_string(storedCount));
    services::LOGMF("zor_mnr_new=" + std::to_string(newTotal));
    services::LOGMF("zor_mnr=" + std::to_string(existing));
    services::LOGMF("mov=" + std::to_string(arrays.count));
  }

  const int32_t lines = linesPerRecord(kind);
  const services::ProgressStep step("Writing " + std::string(kindName(kind)) + "s");
  for (int32_t k = 1; k <= existing; ++k) {
    services::pumpEvents(kPumpCount);
    services::reportProgress(k, existing);
    if (auto failure = writer.copyLines(lines)) return failure;
  }
  for (int32_t i = 1; i <= last; ++i) {
    if (recordAt(arrays, i).ImportNumber == 0) continue;
    if (auto failure = writer.writeRecord(linesAt(arrays, i), lines)) return failure;
  }
  return writer.finish();
}

std::optional<FileFailure> writeWrestlers(const ExistingDatabase& database, int32_t newTotal,
                                          const IncomingRecords& incoming, const WriteOptions& options) {
  const KindArrays wrestlers = arraysOf(incoming, RecordKind::Wrestler);
  const int32_t existing = database.counts.wrestlers;
  const int32_t last = lastIndex(wrestlers);
  int32_t appended = 0;
  for (int32_t j = 1; j <= last; ++j) {
    const IncomingRecord& record = recordAt(wrestlers, j);
    if (record.ImportNumber != 0 && record.ExistingNumber == 0) ++appended;
  }
  NewFileWriter writer(database, RecordKind::Wrestler);
  if (newTotal != existing + appended)
    return totalMismatch(writer.targetPath(), newTotal, existing, appended);

  if (options.logHeadings) services::LOGM(heading(RecordKind::Wrestler));
  int32_t storedCount = 0;
  if (auto failure = writer.begin(existing, newTotal, storedCount)) return failure;

  const int32_t lines = linesPerRecord(RecordKind::Wrestler);
  const std::vector<int32_t> replacements = replacementsOf(wrestlers, existing);
  // Only picture folders are looked at from here on, and the write-out does not change them.
  const platform::FolderListingCache listings;
  const services::ProgressStep step("Writing wrestlers");
  for (int32_t k = 1; k <= existing; ++k) {
    services::pumpEvents(kPumpCount);
    services::reportProgress(k, existing);
    const int32_t j = replacements[static_cast<size_t>(k)];
    if (j == 0) {
      if (auto failure = writer.copyLines(lines)) return failure;
      continue;
    }
    if (options.logReplacements) {
      const std::string name = static_cast<size_t>(k) < database.wrestlerNames.size()
                                   ? database.wrestlerNames[static_cast<size_t>(k)]
                                   : "";
      services::LOGM("Replacing wrestler " + std::to_string(k) + " (" + name + ") with " +
                     recordAt(wrestlers, j).StoredName);
    }
    if (auto failure = writeReplacement(writer, database, linesAt(wrestlers, j), options)) return failure;
  }
  for (int32_t j = 1; j <= last; ++j) {
    const IncomingRecord& record = recordAt(wrestlers, j);
    if (record.ImportNumber == 0 || record.ExistingNumber != 0) continue;
    if (auto failure = writer.writeRecord(linesAt(wrestlers, j), lines)) return failure;
  }
  return writer.finish();
}

std::optional<FileFailure> writeDatabase(const ExistingDatabase& database, const RecordCounts& newTotals,
                                         const IncomingRecords& incoming, const WriteOptions& options) {
  std::vector<std::string> written;
  for (RecordKind kind : kWriteOrder) {
    if (auto failure = writeKind(kind, database, countOf(newTotals, kind), incoming, options)) {
      removeUnusedFiles(written);
      return failure;
    }
    written.push_back(newFile(database.folder, kind));
  }
  return std::nullopt;
}

void removeNewFiles(std::string_view databaseFolder) {
  std::vector<std::string> paths;
  for (RecordKind kind : kWriteOrder) paths.push_back(newFile(databaseFolder, kind));
  removeUnusedFiles(paths);
}

}  // namespace imports
