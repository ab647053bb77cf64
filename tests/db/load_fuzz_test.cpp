// Randomly damaged game folders through the whole load sequence: whatever the record, crowd and
// settings files hold, the load must finish without a crash or a sanitizer report, keep every array
// within what the files can hold, survive a reload, answer lookups, and give back every heap block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db_test_support.h"
#include "platform/heap.h"
#include "support/export_writer.h"
#include "support/game_records.h"

namespace {

using testsupport::numberLine;

const std::vector<std::string> kRecordFiles = {"wrestlrs.dat", "moves.dat",    "dives.dat",
                                               "managers.dat", "teams.dat",    "stables.dat",
                                               "objects.dat",  "gimmicks.dat", "referees.def"};
const std::vector<std::string> kOtherFiles = {"crowd.cnf", "zortm.cnf"};

// Numbers a damaged line may hold instead of its own.
const std::vector<std::string> kNumbers = {" 0 ",
                                           "-1",
                                           " 1 ",
                                           "2",
                                           "-2147483648",
                                           "2147483647",
                                           "4294967295",
                                           "4294967296",
                                           "65535",
                                           "65536",
                                           "1000",
                                           "1001",
                                           "-65536",
                                           "1e9",
                                           "1e300",
                                           "-1e300",
                                           "abc",
                                           "",
                                           "  ",
                                           "12abc",
                                           ",5",
                                           "0x10",
                                           "999999999999999999999999",
                                           "2.5",
                                           "-0",
                                           " - 3",
                                           "\xFF\xFE"};

class LoadFuzzTest : public dbtest::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    writeValidFolder();
    for (const std::string& name : kRecordFiles) pristine[name] = readData(name);
    for (const std::string& name : kOtherFiles) pristine[name] = readData(name);
    pristineSettings = testsupport::readFileBytes(folder.root() / "zor.cnf");
  }

  std::string readData(const std::string& name) const {
    return testsupport::readFileBytes(folder.data(name));
  }

  void writeValidFolder() {
    using namespace testsupport;
    WrestlerSpec hawk = wrestlerSpec("Hawk Storm", "Hawk", "t:\\sounds\\hawk.wav");
    hawk.moves = {1, 2, 0, 3};
    hawk.managers = {1, 0, 2, 0};
    hawk.dives = {1, 2, 0, 0, 0};
    hawk.lines[55] = numberLine(packBits({{0, 2}, {16, 3}}));
    hawk.lines[72] = numberLine(-1);
    WrestlerSpec blaze = wrestlerSpec(cp437("Blaze M\xFCller"), "", "pics\\blaze.jpg");
    blaze.moves = {4};
    blaze.number79 = 1;
    WrestlerSpec ghost = deletedSpec(wrestlerSpec("Ghost"));
    names = {"Hawk Storm", "Hawk", "Blaze M\xFCller", "Ghost",    "Punch",      "a Punch", "Suplex",
             "Plancha",    "Tope", "Storm Front",     "Old Boys", "Manager One"};
    folder.writeWrestlers({hawk, blaze, ghost});

    MoveSpec punch = moveSpec("a Punch");
    punch.lines[7] = numberLine(packBits({{0, 2}, {12, 3}}));
    folder.writeMoves({punch, moveSpec("a Kick"), moveSpec("the Suplex"), deletedSpec(moveSpec("an Elbow"))});
    DiveSpec plancha = diveSpec("a Plancha");
    plancha.lines[3] = numberLine(1);
    folder.writeDives({plancha, diveSpec("a Tope")});
    folder.writeManagers({managerSpec("Manager One", "M1", 5), managerSpec("Manager Two")});
    folder.writeTeams({teamSpec("Hawk Storm", "Blaze M\x81ller", "Storm Front", "!1-2/Harm", "t:\\t.wav"),
                       teamSpec("Hawk", "Nobody", "Old Boys", "+!3-Double Impact/Hawk"),
                       teamSpec("Ghost", "Hawk", "", "&Double Team/Ghst"), teamSpec("A", "B", "", "Spike")});

    const std::vector<StableSpec> stables = {stableSpec("Reds", {1, 2, 0}, {1, 0, 2, 0}, "t:\\reds.wav"),
                                             stableSpec("Nobody Home"),
                                             stableSpec("Blues", {3}, {3, 0, 0, 0})};
    folder.writeStables(stables);
    // The member-count line of each stable, as an index among the file's lines (line 0 is the count).
    size_t first = 1;
    for (const StableSpec& stable : stables) {
      memberCountLines.push_back(first + 1);
      first += stable.toLines().size();
    }
    folder.writeObjects({objectSpec("a Chair"), objectSpec("the Table")});
    folder.writeGimmicks({gimmickSpec("Cage Match", "", 1 << 18), gimmickSpec("Ladder Match")});
    folder.writeReferees({refereeSpec("Ref Joe", 2, 7), refereeSpec(cp437("J\xFCrgen"))});
    folder.writeCrowd("crowd.cnf", {"Hawk Storm_Face=Go Hawk|Hawk!", "Ghost_Heel=Boo", "Nobody_*=x"});
    // A scrambled line among plain ones.
    std::string crowd = readData("crowd.cnf") + scrambleLine("Hawk_*=Storm|Front") + "\r\n";
    folder.writeBytes("data/crowd.cnf", crowd);
    folder.writeMediaPaths(
        {"Blaze M\x81ller=t:\\blaze.wav|x", "Storm Front=t:\\storm.wav+more", "=t:\\none"});
    folder.writeSettings({"VersionNormalize=1", "WeightPush=55", "UsePersons=1"});
  }

  std::string numberText() { return kNumbers[rng() % kNumbers.size()]; }

  static std::vector<std::string> splitLines(const std::string& bytes) {
    return testsupport::splitCrLfLines(bytes);
  }

  static bool looksNumeric(const std::string& line) {
    size_t at = line.find_first_not_of(' ');
    if (at == std::string::npos) return false;
    if (line[at] == '-') ++at;
    return at < line.size() && line[at] >= '0' && line[at] <= '9';
  }

  // One damage to the bytes of a file.
  void damage(const std::string& name, std::string& bytes) {
    // Stables get their member counts damaged more often than any other single line.
    switch (name == "stables.dat" && rng() % 3 == 0 ? 6 : rng() % 9) {
      case 0:  // cut at a random point
        bytes.resize(bytes.empty() ? 0 : rng() % bytes.size());
        break;
      case 1:  // flipped bytes
        for (int n = 1 + static_cast<int>(rng() % 6); n > 0 && !bytes.empty(); --n)
          bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        break;
      case 2: {  // line ends and end-of-file bytes where they do not belong
        static const char kBreaks[] = {'\r', '\n', 26};
        for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n)
          bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(rng() % (bytes.size() + 1)),
                       kBreaks[rng() % 3]);
        break;
      }
      case 3:  // numeric lines replaced
      case 4: {
        std::vector<std::string> lines = splitLines(bytes);
        std::vector<size_t> numeric;
        for (size_t i = 0; i < lines.size(); ++i)
          if (looksNumeric(lines[i])) numeric.push_back(i);
        for (int n = 1 + static_cast<int>(rng() % 4); n > 0 && !numeric.empty(); --n)
          lines[numeric[rng() % numeric.size()]] = numberText();
        bytes = testsupport::plainExportBytes(lines);
        break;
      }
      case 5: {  // the count line
        std::vector<std::string> lines = splitLines(bytes);
        if (lines.empty()) lines.emplace_back();
        lines[0] = rng() % 2 == 0 ? numberText() : numberLine(static_cast<int64_t>(rng() % 12));
        bytes = testsupport::plainExportBytes(lines);
        break;
      }
      case 6: {  // a stable's member count (elsewhere: any line)
        std::vector<std::string> lines = splitLines(bytes);
        if (lines.empty()) break;
        size_t at = rng() % lines.size();
        if (name == "stables.dat") {
          size_t candidate = memberCountLines[rng() % memberCountLines.size()];
          if (candidate < lines.size()) at = candidate;
        }
        static const std::vector<std::string> kMemberCounts = {
            "-1", " 0 ", " 4 ", " 30 ", "1000", "1001", "2000000000", "-2147483648", "4294967295"};
        lines[at] = rng() % 2 == 0 ? kMemberCounts[rng() % kMemberCounts.size()] : numberText();
        bytes = testsupport::plainExportBytes(lines);
        break;
      }
      case 7: {  // a line dropped or repeated
        std::vector<std::string> lines = splitLines(bytes);
        if (lines.empty()) break;
        size_t at = rng() % lines.size();
        if (rng() % 2 == 0) {
          lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
          lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
        }
        bytes = testsupport::plainExportBytes(lines);
        break;
      }
      default:  // a long line of random bytes
        bytes.insert(rng() % (bytes.size() + 1),
                     std::string(1 + rng() % 3000, static_cast<char>(rng() % 256)));
        break;
    }
  }

  // Writes every file from its pristine bytes, a few of them damaged (or missing).
  void writeDamagedFolder() {
    for (const auto& [name, bytes] : pristine) folder.writeBytes("data/" + name, bytes);
    folder.writeBytes("zor.cnf", pristineSettings);
    const int damaged = 1 + static_cast<int>(rng() % 3);
    for (int d = 0; d < damaged; ++d) {
      const size_t pick = rng() % (kRecordFiles.size() + kOtherFiles.size() + 1);
      if (pick == kRecordFiles.size() + kOtherFiles.size()) {
        std::string settings = pristineSettings;
        damage("zor.cnf", settings);
        folder.writeBytes("zor.cnf", settings);
        continue;
      }
      const std::string& name =
          pick < kRecordFiles.size() ? kRecordFiles[pick] : kOtherFiles[pick - kRecordFiles.size()];
      if (rng() % 20 == 0) {
        folder.remove("data/" + name);
        continue;
      }
      std::string bytes = readData(name);
      for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n) damage(name, bytes);
      folder.writeBytes("data/" + name, bytes);
    }
  }

  int64_t fileSize(const std::string& name) const {
    std::error_code error;
    const auto size = std::filesystem::file_size(folder.data(name), error);
    return error ? 0 : static_cast<int64_t>(size);
  }

  // Every array within what its file can hold, every record's lists within their bounds.
  void expectSoundCatalogue(const std::string& context) {
    const db::Catalogue& c = catalogue;
    auto bounded = [&](const char* kind, int32_t count, size_t size, size_t extra, const std::string& file) {
      EXPECT_GE(count, 0) << kind << context;
      EXPECT_EQ(size, static_cast<size_t>(count) + extra) << kind << context;
      EXPECT_LE(count, fileSize(file)) << kind << context;
    };
    bounded("wrestlers", c.WrestlerCount, c.Wrestlers.size(), 2, "wrestlrs.dat");
    bounded("moves", c.MoveCount, c.Moves.size(), 1, "moves.dat");
    bounded("dives", c.DiveCount, c.Dives.size(), 2, "dives.dat");
    bounded("managers", c.ManagerCount, c.Managers.size(), 2, "managers.dat");
    bounded("teams", c.TeamCount, c.Teams.size(), 2, "teams.dat");
    bounded("stables", c.StableCount, c.Stables.size(), 2, "stables.dat");
    bounded("objects", c.ObjectCount, c.Objects.size(), 2, "objects.dat");
    bounded("gimmicks", c.GimmickCount, c.Gimmicks.size(), 2, "gimmicks.dat");
    bounded("referees", c.RefereeCount, c.Referees.size(), 2, "referees.def");
    for (int32_t i = 1; i <= c.WrestlerCount; ++i) {
      EXPECT_GE(c.Wrestlers[i].MoveListCount, 0) << context;
      EXPECT_LE(c.Wrestlers[i].MoveListCount, 50) << context;
    }
    for (int32_t i = 1; i <= c.StableCount; ++i) {
      const db::Stable& stable = c.Stables[i];
      EXPECT_EQ(stable.MemberCount, static_cast<int32_t>(stable.Members.size()) - 1) << context;
      EXPECT_LE(stable.MemberCount, fileSize("stables.dat")) << context;
      EXPECT_GE(stable.LeaderCount, 0) << context;
      EXPECT_LE(stable.LeaderCount, 4) << context;
    }
    EXPECT_EQ(c.CrowdEntries.size(), static_cast<size_t>(c.CrowdCount) + 1) << context;
    EXPECT_EQ(c.Circuits.size(), 21u) << context;
  }

  std::string randomName() {
    switch (rng() % 4) {
      case 0:
      case 1:
        return names[rng() % names.size()];
      case 2:
        return "";
      default: {
        std::string name(rng() % 12, ' ');
        for (char& ch : name) ch = static_cast<char>(rng() % 256);
        return name;
      }
    }
  }

  void lookUp() {
    for (int n = 0; n < 6; ++n) {
      const std::string name = randomName();
      const int32_t wrestler = db::FINDWRESTLER(catalogue, name, 0);
      EXPECT_GE(wrestler, 0);
      EXPECT_LE(wrestler, catalogue.WrestlerCount);
      const int32_t move = db::FINDMOVE(catalogue, name);
      EXPECT_GE(move, 0);
      EXPECT_LE(move, catalogue.MoveCount);
      const int32_t dive = db::FINDDIVE(catalogue, name);
      EXPECT_GE(dive, 0);
      EXPECT_LE(dive, catalogue.DiveCount);
      const int32_t team = db::FINDTEAM(catalogue, name, 0);
      EXPECT_GE(team, 0);
      EXPECT_LE(team, catalogue.TeamCount);
    }
  }

  std::mt19937 rng{20240611};
  std::map<std::string, std::string> pristine;
  std::string pristineSettings;
  std::vector<std::string> names;
  std::vector<size_t> memberCountLines;
};

TEST_F(LoadFuzzTest, TheValidFolderLoadsWithoutReports) {
  ASSERT_EQ(load(), 0);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(catalogue.WrestlerCount, 3);
  EXPECT_EQ(catalogue.StableCount, 3);
  EXPECT_EQ(catalogue.Stables[3].MemberCount, 1);
  EXPECT_EQ(catalogue.Stables[3].Members[1], 3);
  EXPECT_EQ(catalogue.TeamCount, 4);
  EXPECT_EQ(catalogue.CrowdCount, 4);
  EXPECT_EQ(db::FINDTEAM(catalogue, "Storm Front", 0), 1);
}

TEST_F(LoadFuzzTest, DamagedFilesNeverCrashOverrunOrLeak) {
  const size_t startBlocks = heapBlocks();
  constexpr int kRounds = 300;
  int roundsReported = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    writeDamagedFolder();
    int64_t totalBytes = 0;
    for (const auto& [name, bytes] : pristine) totalBytes += fileSize(name);

    catalogue = db::Catalogue{};
    errors.clear();
    EXPECT_EQ(load(), 0);
    expectSoundCatalogue(" (first load)");
    // Every text comes from a line or a "|"-separated part of one: the heap holds no more blocks
    // than the files hold bytes, twice over, and a fixed set per record.
    EXPECT_LE(heapBlocks(), startBlocks + 2 * static_cast<size_t>(totalBytes) + 400);
    lookUp();

    EXPECT_EQ(load(), 0);
    expectSoundCatalogue(" (reload)");
    lookUp();
    for (const platform::UntrappedError& error : errors) {
      EXPECT_TRUE(error.number == platform::kErrInputPastEnd || error.number == platform::kErrFileNotFound ||
                  error.number == platform::kErrBadFileNumber)
          << error.number << " in " << error.procedure;
    }

    roundsReported += errors.empty() ? 0 : 1;

    db::releaseCatalogue(catalogue);
    ASSERT_EQ(heapBlocks(), startBlocks) << "blocks left behind";
    if (HasFailure()) break;  // one damaged folder at a time is enough to read
  }
  // The damage reached the loader: many rounds ran into the end of a file.
  EXPECT_GT(roundsReported, kRounds / 5);
}

}  // namespace
