#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/conf_file.h"
#include "settings/game_options.h"
#include "settings_test_support.h"

namespace settings {
namespace {

using settings_test::GameFolder;
using settings_test::readFile;
using settings_test::writeFile;

class GameOptionsTest : public ::testing::Test {
 protected:
  // Loads from a file holding `lines` (CR LF each) and "VersionNormalize=1", so that nothing is
  // written back unless a test wants it.
  GameOptions load(const std::string& lines) {
    writeFile("zor.cnf", lines + "VersionNormalize=1\r\n");
    GameOptions options;
    LOADZOROPTIONS("zor.cnf", options);
    return options;
  }

  GameFolder folder_;
};

TEST_F(GameOptionsTest, MissingFileGivesDefaultsAndRecordsNormalisation) {
  GameOptions options;
  options.UsePersons = 5;  // every field is rewritten
  LOADZOROPTIONS("zor.cnf", options);

  EXPECT_EQ(readFile("zor.cnf"), "VersionNormalize=1\r\n");
  EXPECT_EQ(options.UsePersons, 0);
  EXPECT_EQ(options.WeightWorkrate, 30);
  EXPECT_EQ(options.WeightPush, 40);
  EXPECT_EQ(options.WeightStamina, 14);
  EXPECT_EQ(options.WeightCharisma, 16);
  EXPECT_EQ(options.DelayBetweenMoves, 150);
  EXPECT_EQ(options.TimeLimitOneFall, 20);
  EXPECT_EQ(options.TimeLimitTwoOfThreeFalls, 30);
  EXPECT_EQ(options.TimeLimitIronMan, 60);
  EXPECT_EQ(options.MatchLength, 7);
  EXPECT_EQ(options.CagePins, 0);
  EXPECT_EQ(options.CageEscapes, 1);
  EXPECT_EQ(options.NormalizeDamage, 1);
  EXPECT_EQ(options.ScaleDamage, 1);
  EXPECT_EQ(options.GlobalHiringLimitTo, "");
  EXPECT_EQ(options.RankingsColumns, "");
  EXPECT_EQ(options.MatchEngineFont, "Courier New");
  EXPECT_EQ(options.MatchEngineValue2, 3);
  EXPECT_EQ(options.MatchEngineValue3, 12);
  EXPECT_EQ(options.MatchEngineValue4, 20);
  EXPECT_EQ(options.MatchEngineColour5, 0xFFFF00);
  EXPECT_EQ(options.MatchEngineColour6, 0x80);
}

// A game folder on a read-only disk (or under Program Files, run without administrator rights): the
// file is read as it is, nothing is created or recorded, and no failure is reported.
TEST_F(GameOptionsTest, AFolderThatCannotBeWrittenToIsOnlyRead) {
  struct Case {
    const char* what;
    const char* file;  // nullptr: there is none
    int32_t weightPush;
    int32_t cageEscapes;
  };
  const Case cases[] = {
      {"no settings file", nullptr, 40, 1},
      {"a file without VersionNormalize", "WeightPush=55\r\nCageEscapes=2\r\nScaleDamage=0\r\n", 55, 2},
  };
  for (const Case& folderCase : cases) {
    SCOPED_TRACE(folderCase.what);
    std::filesystem::remove("zor.cnf");
    if (folderCase.file != nullptr) writeFile("zor.cnf", folderCase.file);
    settings_test::ReportRecorder reports;
    platform::refuseChangesIn(".");
    GameOptions options;
    LOADZOROPTIONS("zor.cnf", options);
    EXPECT_TRUE(reports.errors.empty()) << reports.errors.size() << " reports";
    EXPECT_EQ(options.WeightPush, folderCase.weightPush);
    EXPECT_EQ(options.CageEscapes, folderCase.cageEscapes);
    EXPECT_EQ(options.NormalizeDamage, 1);
    EXPECT_EQ(options.ScaleDamage, 1);
    EXPECT_EQ(options.MatchEngineFont, "Courier New");
    if (folderCase.file == nullptr) {
      EXPECT_FALSE(std::filesystem::exists("zor.cnf"));
    } else {
      EXPECT_EQ(readFile("zor.cnf"), folderCase.file);
    }
  }
}

TEST_F(GameOptionsTest, NumbersWithDefaultCannotBeZero) {
  EXPECT_EQ(load("WeightPush=0\r\n").WeightPush, 40);
  EXPECT_EQ(load("WeightPush=abc\r\n").WeightPush, 40);
  EXPECT_EQ(load("WeightPush=\r\n").WeightPush, 40);
  EXPECT_EQ(load("").WeightPush, 40);
  EXPECT_EQ(load("WeightPush=55\r\n").WeightPush, 55);
  EXPECT_EQ(load("weightpush=-3\r\n").WeightPush, -3);
  EXPECT_EQ(load("MatchLength=12\r\n").MatchLength, 12);
}

TEST_F(GameOptionsTest, FlagsReadAsDecimalNumbers) {
  GameOptions options = load("UsePersons=  7\r\nshowratings=1\r\nNoBeep=yes\r\nAltHotkeys=-2\r\n");
  EXPECT_EQ(options.UsePersons, 7);
  EXPECT_EQ(options.ShowRatings, 1);
  EXPECT_EQ(options.NoBeep, 0);
  EXPECT_EQ(options.AltHotkeys, -2);
}

TEST_F(GameOptionsTest, CageRule) {
  GameOptions noEscapes = load("CagePins=0\r\n");
  EXPECT_EQ(noEscapes.CageEscapes, 1);
  GameOptions bothZero = load("CagePins=0\r\nCageEscapes=0\r\n");
  EXPECT_EQ(bothZero.CageEscapes, 1);
  GameOptions pins = load("CagePins=1\r\n");
  EXPECT_EQ(pins.CagePins, 1);
  EXPECT_EQ(pins.CageEscapes, 0);
  GameOptions escapes = load("CageEscapes=2\r\n");
  EXPECT_EQ(escapes.CageEscapes, 2);
}

TEST_F(GameOptionsTest, NormalisationIsSwitchedOnOnceThenStoredValuesCount) {
  const std::string original = "NormalizeDamage=0\r\n  ScaleDamage=0\r\n";
  writeFile("zor.cnf", original);
  GameOptions first;
  LOADZOROPTIONS("zor.cnf", first);
  EXPECT_EQ(first.NormalizeDamage, 1);
  EXPECT_EQ(first.ScaleDamage, 1);
  const std::string written = "NormalizeDamage=0\r\nScaleDamage=0\r\nVersionNormalize=1\r\n";
  EXPECT_EQ(readFile("zor.cnf"), written);

  GameOptions second;
  LOADZOROPTIONS("zor.cnf", second);
  EXPECT_EQ(second.NormalizeDamage, 0);
  EXPECT_EQ(second.ScaleDamage, 0);
  EXPECT_EQ(readFile("zor.cnf"), written);
}

TEST_F(GameOptionsTest, StoredZeroVersionIsRewrittenInPlace) {
  writeFile("zor.cnf", "VersionNormalize=0\r\nNormalizeDamage=0\r\n");
  GameOptions options;
  LOADZOROPTIONS("zor.cnf", options);
  EXPECT_EQ(options.NormalizeDamage, 1);
  EXPECT_EQ(readFile("zor.cnf"), "VersionNormalize=1\r\nNormalizeDamage=0\r\n");
}

TEST_F(GameOptionsTest, WriteBackUnscramblesTheFile) {
  writeFile("zor.cnf", QUICKCRYPT("UsePersons=3", 1) + "\r\n");
  GameOptions options;
  LOADZOROPTIONS("zor.cnf", options);
  EXPECT_EQ(options.UsePersons, 3);
  EXPECT_EQ(readFile("zor.cnf"), "UsePersons=3\r\nVersionNormalize=1\r\n");
}

TEST_F(GameOptionsTest, TrailingBarsAreRemovedFromRankingLists) {
  GameOptions options = load("RankingsColumns=a|b||\r\nRankingsOrderBy=||\r\n");
  EXPECT_EQ(options.RankingsColumns, "a|b");
  EXPECT_EQ(options.RankingsOrderBy, "");
  EXPECT_EQ(load("RankingsColumns=|a|b\r\n").RankingsColumns, "|a|b");
}

TEST_F(GameOptionsTest, TextsAreCutToTheirFieldSize) {
  const std::string longText(9000, 'x');
  GameOptions options =
      load("GlobalHiringLimitTo=" + longText + "\r\nRankingsColumns=" + longText +
           "\r\nRankingsOrderBy=" + longText + "\r\nRV_MatchEngine_Options=" + longText + "|1\r\n");
  EXPECT_EQ(options.GlobalHiringLimitTo, std::string(999, 'x'));
  EXPECT_EQ(options.RankingsColumns, std::string(8191, 'x'));
  EXPECT_EQ(options.RankingsOrderBy, std::string(99, 'x'));
  EXPECT_EQ(options.MatchEngineFont, std::string(127, 'x'));

  // A cut that ends in bars still loses them.
  GameOptions bars = load("RankingsOrderBy=" + std::string(98, 'y') + "||z\r\n");
  EXPECT_EQ(bars.RankingsOrderBy, std::string(98, 'y'));
}

TEST_F(GameOptionsTest, TextStopsAtZeroByte) {
  EXPECT_EQ(load("GlobalHiringLimitTo=[HEX#]410042\r\n").GlobalHiringLimitTo, "A");
}

TEST_F(GameOptionsTest, MatchEngineOptions) {
  GameOptions options = load("RV_MatchEngine_Options=Arial|2|10|16|FF|0\r\n");
  EXPECT_EQ(options.MatchEngineFont, "Arial");
  EXPECT_EQ(options.MatchEngineValue2, 2);
  EXPECT_EQ(options.MatchEngineValue3, 10);
  EXPECT_EQ(options.MatchEngineValue4, 16);
  EXPECT_EQ(options.MatchEngineColour5, 0xFF);
  EXPECT_EQ(options.MatchEngineColour6, 0);
}

TEST_F(GameOptionsTest, MatchEngineOptionsWithMissingOrOddFields) {
  GameOptions shortList = load("RV_MatchEngine_Options=Tahoma|5\r\n");
  EXPECT_EQ(shortList.MatchEngineFont, "Tahoma");
  EXPECT_EQ(shortList.MatchEngineValue2, 5);
  EXPECT_EQ(shortList.MatchEngineValue3, 0);
  EXPECT_EQ(shortList.MatchEngineValue4, 0);
  EXPECT_EQ(shortList.MatchEngineColour5, 0);
  EXPECT_EQ(shortList.MatchEngineColour6, 0);

  GameOptions odd = load("RV_MatchEngine_Options=|x|7.6|  9|ffzz|80ff00\r\n");
  EXPECT_EQ(odd.MatchEngineFont, "");
  EXPECT_EQ(odd.MatchEngineValue2, 0);
  EXPECT_EQ(odd.MatchEngineValue3, 8);
  EXPECT_EQ(odd.MatchEngineValue4, 9);
  EXPECT_EQ(odd.MatchEngineColour5, 0xFF);
  EXPECT_EQ(odd.MatchEngineColour6, 0x80FF00);
}

}  // namespace
}  // namespace settings
