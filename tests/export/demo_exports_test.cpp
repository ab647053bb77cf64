// The demo exports under examples/ (written by zor-make-demo) against a scratch copy of the demo game:
// they open, parse into the records the demo describes, keep every reference inside the export, and
// the object and gimmick-match exports import with the summaries the demo promises.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "db/record_text.h"
#include "export/open_export.h"
#include "export/parser.h"
#include "export/streams.h"
#include "export_test_support.h"
#include "platform/text.h"

namespace {

namespace fs = std::filesystem;
using namespace exports;
using exporttest::Lines;

const fs::path kExamples = fs::path(ZOR_TEST_DATA) / ".." / ".." / "examples";

class DemoExportTest : public exporttest::ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    ASSERT_TRUE(fs::exists(kExamples / "demo-game" / "data" / "wrestlrs.dat")) << kExamples;
    fs::copy(kExamples / "demo-game", folder.root(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy(kExamples / "exports", folder.root() / "exports", fs::copy_options::recursive);
    ASSERT_EQ(load(), 0);
    ASSERT_TRUE(errors.empty());
  }

  std::string exportPath(const std::string& name) const {
    return (folder.root() / "exports" / name).string();
  }

  ParseResult parse(const std::string& name, ParseMode mode = ParseMode::Interactive) {
    return PARSEEXPORT(exportPath(name), catalogue, records, mode);
  }

  // Every line the stream layer yields, and whether the file was read as plain text.
  std::pair<Lines, bool> readStream(const std::string& name) {
    const int32_t stream = OPENCRYPT(exportPath(name));
    EXPECT_GT(stream, 0) << name;
    const StreamTable& table = streamTable();
    const bool plain = table.entries[static_cast<size_t>(FINDFILE(table, stream))].isPlainText == 1;
    Lines lines;
    while (!CRYPTEOF(stream)) lines.push_back(INPUTCRYPT(stream));
    CLOSECRYPT(stream);
    return {lines, plain};
  }
};

int32_t value(const RecordLines& lines, int line) {
  return platform::low32(platform::numberValue(lines[static_cast<size_t>(line)]));
}

std::vector<std::string> listNames(const std::vector<IncomingRecord>& headers, int32_t count) {
  std::vector<std::string> names;
  for (int32_t i = 1; i <= count; ++i) names.push_back(headers[static_cast<size_t>(i)].ListName);
  return names;
}

// The references of a parsed wrestler export, by who names them.
struct References {
  std::set<int32_t> movesByWrestlers, movesByMoves, movesByDives, movesByTeams, managers, dives;
};

References referencesOf(const IncomingRecords& r) {
  References refs;
  auto add = [](std::set<int32_t>& to, int64_t number) {
    if (number != 0) to.insert(static_cast<int32_t>(number));
  };
  for (int32_t i = 1; i <= r.IncomingWrestlerCount; ++i) {
    const RecordLines& w = r.IncomingWrestlerLines[static_cast<size_t>(i)];
    for (int line = 3; line <= 52; ++line) add(refs.movesByWrestlers, value(w, line) & 0xFFFF);
    for (int line : {54, 56, 66, 69, 75, 76, 77}) add(refs.movesByWrestlers, value(w, line) & 0xFFFF);
    for (int line : {55, 71}) {
      const auto packed = static_cast<uint32_t>(value(w, line));
      add(refs.movesByWrestlers, packed & 0xFFFF);
      add(refs.movesByWrestlers, packed >> 16);
    }
    if (value(w, 72) != -1) add(refs.movesByWrestlers, value(w, 72));
    for (int line = 61; line <= 64; ++line) add(refs.managers, value(w, line));
    for (int line = 84; line <= 88; ++line) add(refs.dives, value(w, line));
  }
  for (int32_t i = 1; i <= r.IncomingMoveCount; ++i) {
    const RecordLines& m = r.IncomingMoveLines[static_cast<size_t>(i)];
    add(refs.movesByMoves, value(m, 3) & 0xFFFF);
    add(refs.movesByMoves, (value(m, 6) >> 7) & 0x7FF);
    add(refs.movesByMoves, static_cast<uint32_t>(value(m, 6)) >> 18);
    for (int line = 7; line <= 15; ++line) {
      add(refs.movesByMoves, value(m, line) & 0xFFF);
      add(refs.movesByMoves, (value(m, line) >> 12) & 0xFFF);
    }
  }
  for (int32_t i = 1; i <= r.IncomingDiveCount; ++i) {
    const RecordLines& d = r.IncomingDiveLines[static_cast<size_t>(i)];
    add(refs.movesByDives, value(d, 3) & 0xFFFF);
    add(refs.movesByDives, (value(d, 6) >> 7) & 0x7FF);
  }
  for (int32_t i = 1; i <= r.IncomingTeamCount; ++i) {
    const std::string& text = r.IncomingTeamLines[static_cast<size_t>(i)][4];
    if (text.empty() || text[0] != '!') continue;
    const std::string head = text.substr(1, text.find('/') - 1);
    const size_t dash = head.find('-');
    add(refs.movesByTeams, platform::numberValue(head.substr(0, dash)));
    if (dash != std::string::npos) add(refs.movesByTeams, platform::numberValue(head.substr(dash + 1)));
  }
  return refs;
}

std::set<int32_t> sourceNumbers(const std::vector<IncomingRecord>& headers, int32_t count) {
  std::set<int32_t> numbers;
  for (int32_t i = 1; i <= count; ++i) numbers.insert(headers[static_cast<size_t>(i)].SourceNumber);
  return numbers;
}

std::set<int32_t> unionOf(std::initializer_list<const std::set<int32_t>*> sets) {
  std::set<int32_t> all;
  for (const auto* set : sets) all.insert(set->begin(), set->end());
  return all;
}

std::set<int32_t> missingFrom(const std::set<int32_t>& named, const std::set<int32_t>& present) {
  std::set<int32_t> missing;
  for (int32_t number : named) {
    if (!present.contains(number)) missing.insert(number);
  }
  return missing;
}

TEST_F(DemoExportTest, EncipheredAndPlainWrestlerExportsYieldTheSameLines) {
  const auto [enciphered, encipheredIsPlain] = readStream("demo-wrestlers.zor");
  const auto [plain, plainIsPlain] = readStream("demo-wrestlers-plain.zor");
  EXPECT_FALSE(encipheredIsPlain);
  EXPECT_TRUE(plainIsPlain);
  ASSERT_GT(plain.size(), 900u);
  EXPECT_EQ(enciphered, plain);
  EXPECT_FALSE(readStream("demo-more-wrestlers.zor").second);
  EXPECT_FALSE(readStream("demo-objects.zor").second);
  EXPECT_TRUE(readStream("demo-gimmicks.zor").second);
}

TEST_F(DemoExportTest, FirstWrestlerExportParsesIntoTheDescribedRecords) {
  const ParseResult result = parse("demo-wrestlers.zor");
  ASSERT_EQ(result.outcome, ParseOutcome::Parsed);
  EXPECT_TRUE(boxes.empty());
  exporttest::expectWellFormed(records);
  EXPECT_EQ(records.IncomingWrestlerCount, 6);
  EXPECT_EQ(records.IncomingTeamCount, 3);
  EXPECT_EQ(records.IncomingMoveCount, 29);
  EXPECT_EQ(records.IncomingManagerCount, 4);
  EXPECT_EQ(records.IncomingDiveCount, 7);

  // Four newcomers, pre-selected; Titus Crane and Rico Ferraz are already in the demo game.
  ASSERT_EQ(result.wrestlerItems.size(), 6u);
  const std::vector<std::pair<std::string, bool>> expected = {{"F\tRen\xE9"
                                                               "e Dubois",
                                                               true},
                                                              {"M\tJ\xFCrgen Stahl", true},
                                                              {"M\tTitus Crane", false},
                                                              {"M\tKid Tornado", true},
                                                              {"M\tRico Ferraz", false},
                                                              {"F\tNadia Volkova", true}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(result.wrestlerItems[i].text, expected[i].first);
    EXPECT_EQ(result.wrestlerItems[i].selected, expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(records.IncomingWrestlers[3].ExistingNumber, 4);
  EXPECT_EQ(records.IncomingWrestlers[5].ExistingNumber, 1);

  // Moves match the game's by name without article and letter case, under numbers of their own.
  const std::vector<std::pair<std::string, int32_t>> known = {
      {"Suplex", 1},       {"Dropkick", 2},       {"Clothesline", 3},   {"Piledriver", 5}, {"Armbar", 6},
      {"snap suplex", 10}, {"German Suplex", 11}, {"DDT", 13},          {"Powerbomb", 12}, {"Lariat", 22},
      {"Superkick", 21},   {"Elbow Drop", 7},     {"Sharpshooter", 29}, {"Body Slam", 4}};
  for (size_t i = 0; i < known.size(); ++i) {
    const IncomingRecord& move = records.IncomingMoves[i + 1];
    EXPECT_EQ(move.ListName, known[i].first);
    EXPECT_EQ(move.ExistingNumber, known[i].second) << known[i].first;
    EXPECT_NE(move.SourceNumber, move.ExistingNumber) << known[i].first;
  }
  EXPECT_EQ(records.IncomingMoves[4].StoredName, "the Piledriver");
  EXPECT_EQ(result.newMoves, (std::vector<std::string>{
                                 "Spinning Heel Kick", "Cutter", "Swinging Neckbreaker", "Michinoku Driver",
                                 "Avalanche Suplex", "Jawbreaker", "Tandem Powerbomb", "Assisted Moonsault",
                                 "Ankle Lock", "Cobra Clutch", "Rolling Elbow", "Handspring Elbow",
                                 "Frankensteiner", "Tiger Driver", "Gorilla Press Slam"}));
  EXPECT_EQ(result.moveRowCount, 15);
  EXPECT_EQ(result.newDives, (std::vector<std::string>{"450 Splash", "Springboard Cutter", "Diving Headbutt",
                                                       "Corkscrew Senton"}));
  EXPECT_EQ(result.diveRowCount, 4);
  EXPECT_EQ(records.IncomingDives[1].ExistingNumber, 1);
  EXPECT_EQ(records.IncomingDives[3].ExistingNumber, 5);
  EXPECT_EQ(result.newManagers,
            (std::vector<std::string>{"Madame Zenobia", "Rocco Salvatore", "Uncle Barnaby"}));
  EXPECT_EQ(records.IncomingManagers[1].ExistingNumber, 1);
  EXPECT_EQ(result.newTeams, (std::vector<std::string>{"Velvet Thunder (Kid Tornado/Nadia Volkova)",
                                                       "Nadia Volkova/Titus Crane"}));
  EXPECT_EQ(records.IncomingTeams[2].ExistingNumber, 1);
}

TEST_F(DemoExportTest, PlainEncipheredAndBatchParsesAgree) {
  ASSERT_EQ(parse("demo-wrestlers.zor").outcome, ParseOutcome::Parsed);
  const IncomingRecords enciphered = records;
  ASSERT_EQ(parse("demo-wrestlers-plain.zor").outcome, ParseOutcome::Parsed);
  exporttest::expectSameRecords(enciphered, records);

  // The batch parse selects everyone and converts and matches names as the interactive parse does.
  ASSERT_EQ(parse("demo-wrestlers.zor", ParseMode::Batch).outcome, ParseOutcome::Parsed);
  for (int32_t i = 1; i <= records.IncomingWrestlerCount; ++i) {
    EXPECT_EQ(records.IncomingWrestlers[static_cast<size_t>(i)].ImportNumber, 1);
    EXPECT_EQ(records.IncomingWrestlers[static_cast<size_t>(i)].ExistingNumber,
              enciphered.IncomingWrestlers[static_cast<size_t>(i)].ExistingNumber);
  }
  EXPECT_EQ(records.IncomingWrestlers[1].StoredName,
            "Ren\xE9"
            "e Dubois");
}

TEST_F(DemoExportTest, EveryReferenceInsideTheWrestlerExportsNamesOneOfItsRecords) {
  for (const std::string name : {"demo-wrestlers.zor", "demo-more-wrestlers.zor"}) {
    ASSERT_EQ(parse(name, ParseMode::Batch).outcome, ParseOutcome::Parsed) << name;
    const References refs = referencesOf(records);
    const std::set<int32_t> moves = sourceNumbers(records.IncomingMoves, records.IncomingMoveCount);
    const std::set<int32_t> allMoveRefs =
        unionOf({&refs.movesByWrestlers, &refs.movesByMoves, &refs.movesByDives, &refs.movesByTeams});
    EXPECT_EQ(missingFrom(allMoveRefs, moves), std::set<int32_t>{}) << name;
    EXPECT_EQ(
        missingFrom(refs.managers, sourceNumbers(records.IncomingManagers, records.IncomingManagerCount)),
        std::set<int32_t>{})
        << name;
    EXPECT_EQ(missingFrom(refs.dives, sourceNumbers(records.IncomingDives, records.IncomingDiveCount)),
              std::set<int32_t>{})
        << name;

    // Records the export carries but nobody names: only the deliberately unused ones.
    const bool first = name == "demo-wrestlers.zor";
    EXPECT_EQ(missingFrom(moves, allMoveRefs), first ? std::set<int32_t>{199} : std::set<int32_t>{}) << name;
    EXPECT_EQ(
        missingFrom(sourceNumbers(records.IncomingManagers, records.IncomingManagerCount), refs.managers),
        first ? std::set<int32_t>{16} : std::set<int32_t>{})
        << name;
    EXPECT_EQ(missingFrom(sourceNumbers(records.IncomingDives, records.IncomingDiveCount), refs.dives),
              first ? std::set<int32_t>{39} : std::set<int32_t>{})
        << name;

    // Some moves are reached only through other moves (follow-ups, lines 3 and 6), some only through
    // a team's move text.
    const std::set<int32_t> direct =
        unionOf({&refs.movesByWrestlers, &refs.movesByDives, &refs.movesByTeams});
    EXPECT_FALSE(missingFrom(refs.movesByMoves, direct).empty()) << name;
    if (first) {
      EXPECT_TRUE(missingFrom({140, 141}, direct) == (std::set<int32_t>{140, 141}));
      EXPECT_TRUE(missingFrom({160, 161}, refs.movesByWrestlers) == (std::set<int32_t>{160, 161}));
    }
  }
}

TEST_F(DemoExportTest, FirstExportUsesEveryReferenceLineOfAWrestler) {
  ASSERT_EQ(parse("demo-wrestlers.zor").outcome, ParseOutcome::Parsed);
  std::set<int> used;
  bool unset72 = false;
  for (int32_t i = 1; i <= records.IncomingWrestlerCount; ++i) {
    const RecordLines& w = records.IncomingWrestlerLines[static_cast<size_t>(i)];
    for (int line : {3, 8, 54, 56, 61, 62, 66, 69, 72, 75, 76, 77, 84, 85, 86}) {
      if (value(w, line) > 0) used.insert(line);
    }
    if ((static_cast<uint32_t>(value(w, 55)) >> 16) != 0) used.insert(55);
    if ((static_cast<uint32_t>(value(w, 71)) >> 16) != 0) used.insert(71);
    unset72 = unset72 || value(w, 72) == -1;
  }
  EXPECT_EQ(used, (std::set<int>{3, 8, 54, 55, 56, 61, 62, 66, 69, 71, 72, 75, 76, 77, 84, 85, 86}));
  EXPECT_TRUE(unset72);
  // At least one team move of the numbered form, with the performer.
  EXPECT_EQ(records.IncomingTeamLines[1][4], "!160-161/Kido");
}

TEST_F(DemoExportTest, SecondWrestlerExportSharesKidTornado) {
  const ParseResult result = parse("demo-more-wrestlers.zor");
  ASSERT_EQ(result.outcome, ParseOutcome::Parsed);
  exporttest::expectWellFormed(records);
  EXPECT_EQ(records.IncomingWrestlerCount, 3);
  EXPECT_EQ(records.IncomingTeamCount, 1);
  EXPECT_EQ(records.IncomingMoveCount, 10);
  EXPECT_EQ(records.IncomingManagerCount, 2);
  EXPECT_EQ(records.IncomingDiveCount, 2);
  EXPECT_EQ(listNames(records.IncomingWrestlers, 3),
            (std::vector<std::string>{"Kid Tornado", "H\xE9lio Costa", "Brick Mahoney"}));
  for (const auto& item : result.wrestlerItems) EXPECT_TRUE(item.selected) << item.text;
  EXPECT_EQ(result.newMoves, (std::vector<std::string>{"Spinning Heel Kick", "Frankensteiner", "Powerslam",
                                                       "Running Powerslam", "Octopus Hold", "Spear"}));
  EXPECT_EQ(records.IncomingMoves[10].ListName, "Tornado DDT");
  EXPECT_EQ(records.IncomingMoves[10].ExistingNumber, 35);

  const IncomingRecords second = records;
  ASSERT_EQ(parse("demo-wrestlers.zor").outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlers[4].ListName, second.IncomingWrestlers[1].ListName);
}

TEST_F(DemoExportTest, ObjectExportImportsThreeOfFive) {
  OpenExportResult opened = openExportFile(exportPath("demo-objects.zor"), catalogue, records, folder.path());
  ASSERT_EQ(opened.road, ExportRoad::ObjectsImported);
  EXPECT_EQ(opened.import.outcome, ImportOutcome::Imported);
  EXPECT_EQ(opened.import.message,
            "3 foreign objects have been imported successfully. 2 were already in the database.");
  ASSERT_EQ(catalogue.ObjectCount, 9);
  EXPECT_EQ(db::text(catalogue.Objects[7].StoredName), "a Cookie Sheet");
  EXPECT_EQ(db::text(catalogue.Objects[9].ListName), "Bag of Thumbtacks");
  EXPECT_TRUE(fs::exists(folder.data("objects.old")));

  opened = openExportFile(exportPath("demo-objects.zor"), catalogue, records, folder.path());
  EXPECT_EQ(opened.import.message,
            "0 foreign objects have been imported successfully. 5 were already in the database.");
  EXPECT_EQ(catalogue.ObjectCount, 9);
}

TEST_F(DemoExportTest, GimmickExportImportsTwoOfThree) {
  const OpenExportResult opened =
      openExportFile(exportPath("demo-gimmicks.zor"), catalogue, records, folder.path());
  ASSERT_EQ(opened.road, ExportRoad::GimmicksImported);
  EXPECT_EQ(opened.import.message,
            "2 gimmick matches have been imported successfully. 1 was already in the database.");
  ASSERT_EQ(catalogue.GimmickCount, 6);
  EXPECT_EQ(db::text(catalogue.Gimmicks[5].Name), "Iron Man Match");
  EXPECT_EQ(db::text(catalogue.Gimmicks[6].Name), "Lumberjack Match");
}

TEST_F(DemoExportTest, WrestlerExportsAreNotTakenForObjectExports) {
  const OpenExportResult opened =
      openExportFile(exportPath("demo-wrestlers.zor"), catalogue, records, folder.path());
  EXPECT_EQ(opened.road, ExportRoad::WrestlerExportParsed);
  EXPECT_EQ(opened.parse.outcome, ParseOutcome::Parsed);
  EXPECT_EQ(catalogue.ObjectCount, 6);
  EXPECT_EQ(catalogue.GimmickCount, 4);
}

}  // namespace
