// Fixture and builders shared by the parser, object-import and fuzz tests: a private heap, a game
// folder holding an empty database, a catalogue of its own, recorders for message boxes and
// untrapped errors, and writers of wrestler, object and gimmick-match exports.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "export/open_export.h"
#include "export/stream_table.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "services/events.h"
#include "services/messages.h"
#include "support/export_writer.h"
#include "support/game_folder.h"
#include "support/service_recorder.h"

namespace exporttest {

using Lines = std::vector<std::string>;

inline void append(Lines& to, const Lines& from) {
  to.insert(to.end(), from.begin(), from.end());
}

// The record lines of a wrestler export's kinds. Moves, managers and dives get the exporting
// database's record number as line 0.
inline Lines wrestlerRecord(const std::string& name, int32_t number79 = 0) {
  testsupport::WrestlerSpec spec;
  spec.name = name;
  spec.number79 = number79;
  return spec.toLines();
}
inline Lines teamRecord(const std::string& member1, const std::string& member2,
                        const std::string& name = "") {
  testsupport::TeamSpec spec;
  spec.member1 = member1;
  spec.member2 = member2;
  spec.name = name;
  return spec.toLines();
}
inline Lines moveRecord(int32_t source, const std::string& name) {
  testsupport::MoveSpec spec;
  spec.name = name;
  Lines lines{std::to_string(source)};
  append(lines, spec.toLines());
  return lines;
}
inline Lines managerRecord(int32_t source, const std::string& name) {
  testsupport::ManagerSpec spec;
  spec.name = name;
  Lines lines{std::to_string(source)};
  append(lines, spec.toLines());
  return lines;
}
inline Lines diveRecord(int32_t source, const std::string& name) {
  testsupport::DiveSpec spec;
  spec.name = name;
  Lines lines{std::to_string(source)};
  append(lines, spec.toLines());
  return lines;
}

// A wrestler export with every section; the count lines follow the records unless set.
struct WrestlerExport {
  std::vector<Lines> wrestlers, teams, moves, managers, dives;
  std::string wrestlerCount, moveCount, managerCount, diveCount;  // "" = the number of records

  Lines lines() const {
    Lines out{"ZOR Export File"};
    section(out, "[Exported Wrestlers]", wrestlerCount, wrestlers);
    out.push_back("[Exported Teams]");
    for (const Lines& team : teams) append(out, team);
    out.push_back("");
    section(out, "[Exported Moves]", moveCount, moves);
    section(out, "[Exported Managers]", managerCount, managers);
    section(out, "[Exported Dives]", diveCount, dives);
    return out;
  }

 private:
  static void section(Lines& out, const std::string& marker, const std::string& count,
                      const std::vector<Lines>& records) {
    out.push_back(marker);
    out.push_back(count.empty() ? std::to_string(records.size()) : count);
    for (const Lines& record : records) append(out, record);
  }
};

// An object or gimmick-match export: heading, marker, count, records.
inline Lines recordExport(const std::string& marker, const std::vector<Lines>& records,
                          const std::string& count = "") {
  Lines out{"ZOR Export File", marker, count.empty() ? std::to_string(records.size()) : count};
  for (const Lines& record : records) append(out, record);
  return out;
}
inline Lines objectRecord(const std::string& name, int32_t firstValue = 0) {
  testsupport::ObjectSpec spec;
  spec.name = name;
  spec.values[0] = firstValue;
  return spec.toLines();
}
inline Lines gimmickRecord(const std::string& name, int64_t packed3 = 0) {
  testsupport::GimmickSpec spec;
  spec.name = name;
  spec.packed3 = packed3;
  return spec.toLines();
}

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    memory::HEAPBEGIN();
    // These tests repeat imports hundreds of times; what they check does not depend on the disk.
    platform::skipDiskSync(true);
    folder.writeEmptyDatabase();
  }

  void TearDown() override {
    EXPECT_EQ(exports::streamTable().streamCount, 0) << "a stream was left open";
    db::releaseCatalogue(catalogue);
    platform::clearFileFaults();
    platform::closeAllFiles();
    platform::skipDiskSync(false);
    memory::HEAPEND();
  }

  int32_t load() { return db::LOADDBS(catalogue, folder.path(), 1, 0, {}); }

  // Writes an export beside the database and returns its path.
  std::string writeExport(const Lines& lines, bool enciphered = false, const std::string& name = "export.zor",
                          uint32_t seed = 7) {
    const auto path = folder.root() / name;
    testsupport::writeFileBytes(
        path, enciphered ? testsupport::encipheredExportBytes(lines, testsupport::exportKeys(seed))
                         : testsupport::plainExportBytes(lines));
    return path.string();
  }

  // Open Export File as a front end runs it: the file opened, then its box shown.
  exports::OpenExportResult openAndShow(const std::string& path) {
    exports::OpenExportResult result = exports::openExportFile(path, catalogue, records, folder.path());
    if (auto message = exports::messageOf(result)) services::showMessageBox(*message);
    return result;
  }

  std::vector<std::string> boxTexts() const { return recorder.boxTexts(); }

  testsupport::GameFolder folder;
  db::Catalogue catalogue;
  exports::IncomingRecords records;
  testsupport::ServiceRecorder recorder;
  std::vector<services::MessageBoxRequest>& boxes = recorder.boxes;
  std::vector<platform::UntrappedError>& errors = recorder.reports;
};

// Field by field equality of two sets of incoming records, lines included.
inline void expectSameRecords(const exports::IncomingRecords& a, const exports::IncomingRecords& b) {
  auto same = [](const std::vector<exports::IncomingRecord>& x, const std::vector<exports::IncomingRecord>& y,
                 const char* kind) {
    ASSERT_EQ(x.size(), y.size()) << kind;
    for (size_t i = 0; i < x.size(); ++i) {
      EXPECT_EQ(x[i].SourceNumber, y[i].SourceNumber) << kind << " " << i;
      EXPECT_EQ(x[i].StoredName, y[i].StoredName) << kind << " " << i;
      EXPECT_EQ(x[i].ListName, y[i].ListName) << kind << " " << i;
      EXPECT_EQ(x[i].ExistingNumber, y[i].ExistingNumber) << kind << " " << i;
      EXPECT_EQ(x[i].IsNew, y[i].IsNew) << kind << " " << i;
      EXPECT_EQ(x[i].ImportNumber, y[i].ImportNumber) << kind << " " << i;
      EXPECT_EQ(x[i].Needed, y[i].Needed) << kind << " " << i;
    }
  };
  EXPECT_EQ(a.IncomingWrestlerCount, b.IncomingWrestlerCount);
  EXPECT_EQ(a.IncomingTeamCount, b.IncomingTeamCount);
  EXPECT_EQ(a.IncomingMoveCount, b.IncomingMoveCount);
  EXPECT_EQ(a.IncomingManagerCount, b.IncomingManagerCount);
  EXPECT_EQ(a.IncomingDiveCount, b.IncomingDiveCount);
  same(a.IncomingWrestlers, b.IncomingWrestlers, "wrestler");
  same(a.IncomingTeams, b.IncomingTeams, "team");
  same(a.IncomingMoves, b.IncomingMoves, "move");
  same(a.IncomingManagers, b.IncomingManagers, "manager");
  same(a.IncomingDives, b.IncomingDives, "dive");
  EXPECT_EQ(a.IncomingWrestlerLines, b.IncomingWrestlerLines);
  EXPECT_EQ(a.IncomingTeamLines, b.IncomingTeamLines);
  EXPECT_EQ(a.IncomingMoveLines, b.IncomingMoveLines);
  EXPECT_EQ(a.IncomingManagerLines, b.IncomingManagerLines);
  EXPECT_EQ(a.IncomingDiveLines, b.IncomingDiveLines);
}

// The shape every successful parse leaves: arrays of count + 1 records, each with all its line slots.
inline void expectWellFormed(const exports::IncomingRecords& r) {
  auto shape = [](const std::vector<exports::IncomingRecord>& headers,
                  const std::vector<exports::RecordLines>& lines, int32_t count, int lastLine,
                  const char* kind) {
    ASSERT_GE(count, 0) << kind;
    ASSERT_EQ(headers.size(), static_cast<size_t>(count) + 1) << kind;
    ASSERT_EQ(lines.size(), static_cast<size_t>(count) + 1) << kind;
    for (const auto& record : lines) ASSERT_EQ(record.size(), static_cast<size_t>(lastLine) + 1) << kind;
    for (int32_t i = 1; i <= count; ++i) {
      EXPECT_LE(headers[i].StoredName.size(), exports::kMaxNameLength) << kind;
      EXPECT_LE(headers[i].ListName.size(), exports::kMaxNameLength) << kind;
      EXPECT_EQ(headers[i].IsNew, headers[i].ExistingNumber == 0 ? 1 : 0) << kind;
      EXPECT_GE(headers[i].SourceNumber, 0) << kind;
      EXPECT_LE(headers[i].SourceNumber, 65535) << kind;
    }
  };
  shape(r.IncomingWrestlers, r.IncomingWrestlerLines, r.IncomingWrestlerCount, exports::kWrestlerLines,
        "wrestler");
  shape(r.IncomingTeams, r.IncomingTeamLines, r.IncomingTeamCount, exports::kTeamLines, "team");
  shape(r.IncomingMoves, r.IncomingMoveLines, r.IncomingMoveCount, exports::kMoveLines, "move");
  shape(r.IncomingManagers, r.IncomingManagerLines, r.IncomingManagerCount, exports::kManagerLines,
        "manager");
  shape(r.IncomingDives, r.IncomingDiveLines, r.IncomingDiveCount, exports::kDiveLines, "dive");
}

}  // namespace exporttest
