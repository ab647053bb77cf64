#include "import/writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "import/engine_test_support.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "services/events.h"
#include "services/log.h"

namespace imports {
namespace {

using enginetest::crlf;
using enginetest::LogCapture;
using enginetest::ReportCounter;

namespace fs = std::filesystem;
using exports::IncomingRecord;
using exports::IncomingRecords;
using exports::RecordLines;

class TempDatabase {
 public:
  TempDatabase() {
    std::random_device random;
    root_ = fs::temp_directory_path() /
            ("zor-import-writer-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(root_ / "data");
  }
  ~TempDatabase() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::string folder() const { return root_.string(); }
  fs::path path(const std::string& name) const { return root_ / "data" / name; }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool exists(const std::string& name) const { return fs::exists(path(name)); }

 private:
  fs::path root_;
};

// Lines first..last of a record, each "<prefix><n>".
std::vector<std::string> recordText(const std::string& prefix, int first, int last) {
  std::vector<std::string> lines;
  for (int n = first; n <= last; ++n) lines.push_back(prefix + std::to_string(n));
  return lines;
}

std::string databaseFile(const std::string& countLine, const std::vector<std::string>& prefixes, int lines) {
  std::vector<std::string> all{countLine};
  for (const std::string& prefix : prefixes) {
    std::vector<std::string> record = recordText(prefix, 1, lines);
    all.insert(all.end(), record.begin(), record.end());
  }
  return crlf(all);
}

RecordLines incomingLines(const std::string& prefix, int firstLine, int lastLine) {
  RecordLines lines(static_cast<size_t>(lastLine) + 1);
  for (int n = firstLine; n <= lastLine; ++n) lines[static_cast<size_t>(n)] = prefix + std::to_string(n);
  return lines;
}

void add(std::vector<IncomingRecord>& records, std::vector<RecordLines>& lines, int32_t& count,
         int32_t existing, int32_t importNumber, std::string name, RecordLines recordLines) {
  if (records.empty()) {
    records.resize(1);
    lines.resize(1);
  }
  IncomingRecord record;
  record.StoredName = std::move(name);
  record.ExistingNumber = existing;
  record.IsNew = existing == 0 ? 1 : 0;
  record.ImportNumber = importNumber;
  records.push_back(record);
  lines.push_back(std::move(recordLines));
  count = static_cast<int32_t>(records.size()) - 1;
}

// A database of two wrestlers, two moves, one dive, one manager and two teams.
class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.write("wrestlrs.dat", databaseFile("2", {"W1-", "W2-"}, 120));
    db.write("moves.dat", databaseFile(" 2 ", {"M1-", "M2-"}, 27));
    db.write("dives.dat", databaseFile("1", {"D1-"}, 10));
    db.write("managers.dat", databaseFile("1", {"G1-"}, 10));
    db.write("teams.dat", databaseFile("2", {"T1-", "T2-"}, 10));
    database.folder = db.folder();
    database.counts = RecordCounts{2, 2, 1, 1, 2};
    database.wrestlerNames = {"--- None ---", "Wrestler One", "Wrestler Two"};
  }

  TempDatabase db;
  ExistingDatabase database;
  IncomingRecords incoming;
};

TEST_F(WriterTest, AnImportThatAddsNothingRewritesEveryFile) {
  const std::vector<std::string> files = {"wrestlrs", "moves", "dives", "managers", "teams"};
  std::vector<std::string> before;
  for (const std::string& file : files) before.push_back(db.read(file + ".dat"));

  ReportCounter reports;
  EXPECT_FALSE(writeDatabase(database, database.counts, incoming).has_value());

  EXPECT_EQ(db.read("wrestlrs.new"), databaseFile(" 2 ", {"W1-", "W2-"}, 120));
  EXPECT_EQ(db.read("moves.new"), databaseFile(" 2 ", {"M1-", "M2-"}, 27));
  EXPECT_EQ(db.read("dives.new"), databaseFile(" 1 ", {"D1-"}, 10));
  EXPECT_EQ(db.read("managers.new"), databaseFile(" 1 ", {"G1-"}, 10));
  EXPECT_EQ(db.read("teams.new"), databaseFile(" 2 ", {"T1-", "T2-"}, 10));
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(db.read(files[i] + ".dat"), before[i]) << files[i];
  EXPECT_EQ(reports.reports, 0);
}

TEST_F(WriterTest, TheLoadedCountDecidesWhatIsCopied) {
  db.write("teams.dat", databaseFile("3", {"T1-", "T2-", "T3-"}, 10) + "trailing line\r\n");
  EXPECT_FALSE(writeKind(RecordKind::Team, database, 2, incoming).has_value());
  EXPECT_EQ(db.read("teams.new"), databaseFile(" 2 ", {"T1-", "T2-"}, 10));
}

TEST_F(WriterTest, AppendsTheAddedRecordsInIndexOrderWithoutLineZero) {
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, 0, 3, "a Suplex",
      incomingLines("A-", 0, 27));
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, 1, 0, "an Armbar",
      incomingLines("B-", 0, 27));
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, 0, 4, "a Piledriver",
      incomingLines("C-", 0, 27));
  LogCapture log;
  EXPECT_FALSE(writeKind(RecordKind::Move, database, 4, incoming).has_value());
  EXPECT_EQ(db.read("moves.new"), databaseFile(" 4 ", {"M1-", "M2-", "A-", "C-"}, 27));
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Writing move DB"}));
  EXPECT_EQ(log.fileLines, (std::vector<std::string>{"m=2", "zor_mnr_new=4", "zor_mnr=2", "mov=3"}));
}

TEST(ExistingDatabase, TakesTheCountsAndWrestlerNamesOfACatalogue) {
  char none[] = "--- None ---";
  char first[] = "Hawk Storm";
  db::Catalogue catalogue;
  catalogue.Wrestlers.resize(3);
  catalogue.Wrestlers[0].Name = none;
  catalogue.Wrestlers[1].Name = first;
  catalogue.WrestlerCount = 1;
  catalogue.MoveCount = 7;
  catalogue.DiveCount = 2;
  catalogue.ManagerCount = 3;
  catalogue.TeamCount = 4;
  ExistingDatabase database = existingDatabaseOf(catalogue, ".");
  EXPECT_EQ(database.folder, ".");
  EXPECT_EQ(database.counts.wrestlers, 1);
  EXPECT_EQ(database.counts.moves, 7);
  EXPECT_EQ(database.counts.dives, 2);
  EXPECT_EQ(database.counts.managers, 3);
  EXPECT_EQ(database.counts.teams, 4);
  EXPECT_EQ(database.wrestlerNames, (std::vector<std::string>{"--- None ---", "Hawk Storm"}));
}

TEST_F(WriterTest, WritesNegativeNumberLinesWithTheirSign) {
  EXPECT_EQ(numberLine(0), " 0 ");
  EXPECT_EQ(numberLine(1234), " 1234 ");
  EXPECT_EQ(numberLine(-5), "-5 ");
}

TEST_F(WriterTest, ReplacesTheFirstSelectedMatchAndKeepsAMissingPicture) {
  RecordLines first = incomingLines("J1-", 1, 120);
  first[83] = "c:\\nowhere\\face.bmp";
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 2, 1,
      "Jay One", first);
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 2, 1,
      "Jay Two", incomingLines("J2-", 1, 120));
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 0, 1,
      "Jay Three", incomingLines("J3-", 1, 120));
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 0, 0,
      "Jay Four", incomingLines("J4-", 1, 120));
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 1, 0,
      "Jay Five", incomingLines("J5-", 1, 120));

  LogCapture log;
  EXPECT_FALSE(writeWrestlers(database, 3, incoming).has_value());

  std::vector<std::string> replaced = recordText("J1-", 1, 120);
  replaced[82] = "W2-83";
  std::vector<std::string> expected{" 3 "};
  for (auto part : {recordText("W1-", 1, 120), replaced, recordText("J3-", 1, 120)}) {
    expected.insert(expected.end(), part.begin(), part.end());
  }
  EXPECT_EQ(db.read("wrestlrs.new"), crlf(expected));

  ASSERT_EQ(log.lines.size(), 2u + 119u);
  EXPECT_EQ(log.lines[0], "Writing wrestler DB");
  EXPECT_EQ(log.lines[1], "Replacing wrestler 2 (Wrestler Two) with Jay One");
  EXPECT_EQ(log.lines[2], "  J1-1");
  EXPECT_EQ(log.lines[83], "  J1-82");
  EXPECT_EQ(log.lines[84], "  J1-84");  // line 83 is not logged
}

TEST_F(WriterTest, TakesThePictureOfTheReplacementWhenItsFileExists) {
  fs::create_directories(fs::path(db.folder()) / "pics");
  std::ofstream(fs::path(db.folder()) / "pics" / "face.bmp") << "picture";
  const std::string asWritten = (fs::path(db.folder()) / "pics" / "face.bmp").string();

  for (const std::string& picture : {asWritten, std::string("c:\\zor7se\\PICS\\Face.bmp")}) {
    SCOPED_TRACE(picture);
    incoming = IncomingRecords();
    RecordLines lines = incomingLines("J1-", 1, 120);
    lines[83] = picture;
    add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 1, 1,
        "Jay", lines);
    EXPECT_FALSE(writeWrestlers(database, 2, incoming).has_value());
    std::vector<std::string> record = recordText("J1-", 1, 120);
    record[82] = picture;
    std::vector<std::string> expected{" 2 "};
    expected.insert(expected.end(), record.begin(), record.end());
    std::vector<std::string> second = recordText("W2-", 1, 120);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(db.read("wrestlrs.new"), crlf(expected));
  }
}

TEST_F(WriterTest, BatchOptionsLeaveOutTheHeadingsAndTheReplacementLog) {
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 1, 1, "Jay",
      incomingLines("J1-", 1, 120));
  LogCapture log;
  EXPECT_FALSE(writeDatabase(database, database.counts, incoming, WriteOptions{false, false}).has_value());
  EXPECT_TRUE(log.lines.empty());
  EXPECT_EQ(log.fileLines.size(), 4u);
}

TEST_F(WriterTest, LetsTheWindowBreatheOncePerCopiedRecord) {
  int calls = 0;
  services::EventPump previous = services::setEventPump([&calls](int32_t count) {
    EXPECT_EQ(count, 25);
    ++calls;
  });
  add(incoming.IncomingTeams, incoming.IncomingTeamLines, incoming.IncomingTeamCount, 0, 3, "A/B",
      incomingLines("N-", 1, 10));
  RecordCounts totals = database.counts;
  totals.teams = 3;
  EXPECT_FALSE(writeDatabase(database, totals, incoming).has_value());
  services::setEventPump(previous);
  EXPECT_EQ(calls, 2 + 2 + 1 + 1 + 2);
}

TEST_F(WriterTest, AMissingFileWithNothingToCopyIsReadAsEmpty) {
  fs::remove(db.path("managers.dat"));
  database.counts.managers = 0;
  add(incoming.IncomingManagers, incoming.IncomingManagerLines, incoming.IncomingManagerCount, 0, 1, "Boss",
      incomingLines("G-", 0, 10));
  ReportCounter reports;
  EXPECT_FALSE(writeKind(RecordKind::Manager, database, 1, incoming).has_value());
  EXPECT_EQ(db.read("managers.new"), databaseFile(" 1 ", {"G-"}, 10));
  EXPECT_EQ(reports.reports, 0);
}

TEST_F(WriterTest, AnEmptyFileWithNothingToCopyIsReadAsEmpty) {
  db.write("dives.dat", "");
  database.counts.dives = 0;
  ReportCounter reports;
  EXPECT_FALSE(writeKind(RecordKind::Dive, database, 0, incoming).has_value());
  EXPECT_EQ(db.read("dives.new"), " 0 \r\n");
  EXPECT_EQ(reports.reports, 0);
}

TEST_F(WriterTest, ReportsAMissingFileWithRecordsToCopy) {
  fs::remove(db.path("dives.dat"));
  ReportCounter reports;
  std::optional<FileFailure> failure = writeDatabase(database, database.counts, incoming);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->operation, "open");
  EXPECT_NE(failure->path.find("dives.dat"), std::string::npos);
  EXPECT_EQ(failure->errorNumber, platform::kErrFileNotFound);
  EXPECT_EQ(failure->description, "File not found");
  EXPECT_FALSE(db.exists("moves.new"));  // the write-out stopped at the dives
  EXPECT_EQ(reports.reports, 0);
}

TEST_F(WriterTest, RefusesATotalThatDoesNotMatchTheRecordsWritten) {
  add(incoming.IncomingTeams, incoming.IncomingTeamLines, incoming.IncomingTeamCount, 0, 3, "A/B",
      incomingLines("N-", 1, 10));
  std::optional<FileFailure> failure = writeKind(RecordKind::Team, database, 2, incoming);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->errorNumber, platform::kErrInternal);
  EXPECT_FALSE(db.exists("teams.new"));
}

TEST_F(WriterTest, EveryFailingFileOperationStopsTheWriteOutWithoutTouchingTheDatabase) {
  db.write("wrestlrs.dat", databaseFile(" 1 ", {"W1-"}, 120));
  db.write("moves.dat", databaseFile(" 1 ", {"M1-"}, 27));
  db.write("teams.dat", databaseFile(" 1 ", {"T1-"}, 10));
  database.counts = RecordCounts{1, 1, 1, 1, 1};
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount, 1, 1, "Jay",
      incomingLines("J1-", 1, 120));
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, 0, 3, "a Suplex",
      incomingLines("A-", 0, 27));
  RecordCounts totals = database.counts;
  totals.moves = 2;
  const std::vector<std::string> files = {"wrestlrs.dat", "moves.dat", "dives.dat", "managers.dat",
                                          "teams.dat"};
  std::vector<std::string> before;
  for (const std::string& file : files) before.push_back(db.read(file));

  ReportCounter reports;
  int failures = 0;
  for (RecordKind kind :
       {RecordKind::Team, RecordKind::Dive, RecordKind::Move, RecordKind::Manager, RecordKind::Wrestler}) {
    SCOPED_TRACE(std::string(kindName(kind)));
    for (int n = 1;; ++n) {
      platform::clearFileFaults();
      platform::failFileOperation(n, platform::kErrDeviceIo);
      std::optional<FileFailure> failure = writeKind(kind, database, countOf(totals, kind), incoming);
      platform::clearFileFaults();
      for (size_t i = 0; i < files.size(); ++i)
        ASSERT_EQ(db.read(files[i]), before[i]) << files[i] << " n=" << n;
      if (!failure) break;
      ++failures;
      EXPECT_EQ(failure->errorNumber, platform::kErrDeviceIo) << "n=" << n;
      ASSERT_LT(n, 10000);
    }
  }
  EXPECT_GT(failures, 300);  // the existing records are copied in one operation each
  EXPECT_EQ(reports.reports, 0);
  EXPECT_EQ(db.read("moves.new"), databaseFile(" 2 ", {"M1-", "A-"}, 27));
}

}  // namespace
}  // namespace imports
