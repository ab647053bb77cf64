#include "settings/game_options.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "services/defaults.h"
#include "settings/conf_file.h"

namespace settings {
namespace {

// The text as the game's zero-terminated field of `size` bytes holds it.
std::string fieldText(std::string_view text, size_t size) {
  text = text.substr(0, text.find('\0'));
  return std::string(text.substr(0, size - 1));
}

std::string withoutTrailingBars(std::string_view text) {
  return std::string(platform::trimmedRight(text, '|'));
}

int32_t decimalValue(std::string_view text) {
  return platform::low32(platform::numberValue(text));
}
int32_t hexadecimalValue(std::string_view digits) {
  return platform::low32(platform::hexValue(digits));
}

class OptionReader {
 public:
  OptionReader(std::string_view fileName, bool writable) : fileName_(fileName), writable_(writable) {}

  std::string raw(std::string_view key) const {
    return writable_ ? GETCONFSETTING(fileName_, key) : readConfSetting(fileName_, key);
  }
  int32_t number(std::string_view key) const { return decimalValue(raw(key)); }
  int32_t number(std::string_view key, int32_t defaultValue) const {
    return services::GETDEFAULT(raw(key), defaultValue);
  }
  std::string text(std::string_view key, size_t size) const { return fieldText(raw(key), size); }
  std::string barList(std::string_view key, size_t size) const {
    return withoutTrailingBars(text(key, size));
  }

 private:
  std::string_view fileName_;
  bool writable_;
};

void readMatchEngineOptions(std::string_view value, GameOptions& options) {
  if (value.empty()) return;  // the defaults stand
  options.MatchEngineFont = fieldText(platform::delimitedPart(value, '|', 1), kMatchEngineFontSize);
  options.MatchEngineValue2 = decimalValue(platform::delimitedPart(value, '|', 2));
  options.MatchEngineValue3 = decimalValue(platform::delimitedPart(value, '|', 3));
  options.MatchEngineValue4 = decimalValue(platform::delimitedPart(value, '|', 4));
  options.MatchEngineColour5 = hexadecimalValue(platform::delimitedPart(value, '|', 5));
  options.MatchEngineColour6 = hexadecimalValue(platform::delimitedPart(value, '|', 6));
}

}  // namespace

void LOADZOROPTIONS(std::string_view settingsFileName, GameOptions& options) {
  platform::ProcedureScope scope("LOADZOROPTIONS");
  // In a folder that cannot be written to (a read-only disk, a game under Program Files) a missing
  // file cannot be created nor the setting below stored: every attempt would only report a failure.
  const bool writable = platform::folderWritable(platform::folderOf(settingsFileName));
  const OptionReader read(settingsFileName, writable);
  options = GameOptions{};

  options.UsePersons = read.number("UsePersons");
  options.CCBackground = read.number("CCBackground");
  options.GlobalHiring = read.number("GlobalHiring");
  options.GlobalHiringLimitTo = read.text("GlobalHiringLimitTo", kGlobalHiringLimitToSize);
  options.ConsoleMode = read.number("ConsoleMode");
  options.WaitBeforeCount = read.number("WaitBeforeCount");
  options.WeightWorkrate = read.number("WeightWorkrate", 30);
  options.WeightPush = read.number("WeightPush", 40);
  options.WeightStamina = read.number("WeightStamina", 14);
  options.WeightCharisma = read.number("WeightCharisma", 16);
  options.TournamentsOrderBy = read.number("TournamentsOrderBy");
  options.TournamentsReverseOrder = read.number("TournamentsReverseOrder");
  options.TournamentsLimitToRecent = read.number("TournamentsLimitToRecent");
  options.TournamentsShowAllOpen = read.number("TournamentsShowAllOpen");
  options.TournamentsRunUntilAfter = read.number("TournamentsRunUntilAfter");
  options.NoCreativeImageUse = read.number("NoCreativeImageUse");
  options.RankingsColumns = read.barList("RankingsColumns", kRankingsColumnsSize);
  options.RankingsOrderBy = read.barList("RankingsOrderBy", kRankingsOrderBySize);
  options.RankingsOrder = read.number("RankingsOrder");
  options.DefinitivePhase1 = read.number("DefinitivePhase1");
  options.DefinitivePhase2 = read.number("DefinitivePhase2");
  options.DefinitiveSemiFinals = read.number("DefinitiveSemiFinals");
  options.DefinitiveFinals = read.number("DefinitiveFinals");
  options.StrictPushes = read.number("StrictPushes");
  options.ShowEnergyMeters = read.number("ShowEnergyMeters");
  options.DisallowNoSells = read.number("DisallowNoSells");
  options.NoCrowdReactions = read.number("NoCrowdReactions");
  options.BooHeels = read.number("BooHeels");
  options.NoForeignObjects = read.number("NoForeignObjects");
  options.NoMaskSpots = read.number("NoMaskSpots");
  options.NoRefBumps = read.number("NoRefBumps");
  options.NoStandbyReferees = read.number("NoStandbyReferees");
  options.CagePins = read.number("CagePins");
  options.CageEscapes = read.number("CageEscapes");
  if (options.CagePins == 0 && options.CageEscapes == 0) options.CageEscapes = 1;
  options.DelayBetweenMoves = read.number("DelayBetweenMoves", 150);
  options.TimeLimitOneFall = read.number("TimeLimitOneFall", 20);
  options.TimeLimitTwoOfThreeFalls = read.number("TimeLimitTwoOfThreeFalls", 30);
  options.TimeLimitIronMan = read.number("TimeLimitIronMan", 60);
  options.MatchLength = read.number("MatchLength", 7);
  options.DisableThemes = read.number("DisableThemes");
  options.NoBeep = read.number("NoBeep");
  options.NoScrolling = read.number("NoScrolling");
  options.LocalHelpOnly = read.number("LocalHelpOnly");
  options.AltHotkeys = read.number("AltHotkeys");
  options.AllowAltTab = read.number("AllowAltTab");
  options.DeleteForReal = read.number("DeleteForReal");
  options.DeleteImmediately = read.number("DeleteImmediately");
  options.ShowSaveButton = read.number("ShowSaveButton");
  options.ShowRatings = read.number("ShowRatings");

  if (read.number("VersionNormalize") != 0) {
    options.NormalizeDamage = read.number("NormalizeDamage");
    options.ScaleDamage = read.number("ScaleDamage");
  } else {
    options.NormalizeDamage = 1;
    options.ScaleDamage = 1;
    if (writable) PUTCONFSETTING(settingsFileName, "VersionNormalize", "1");
  }

  readMatchEngineOptions(read.raw("RV_MatchEngine_Options"), options);
}

}  // namespace settings
