// The game's option set, read from its main settings file (zor.cnf) at every database load.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace settings {

// Sizes of the game's zero-terminated text fields, terminator included.
inline constexpr size_t kGlobalHiringLimitToSize = 1000;
inline constexpr size_t kRankingsColumnsSize = 8192;
inline constexpr size_t kRankingsOrderBySize = 100;
inline constexpr size_t kMatchEngineFontSize = 128;

// One field per option, named after its key. Text fields hold at most their size minus one
// characters.
struct GameOptions {
  int32_t UsePersons = 0;
  int32_t CCBackground = 0;
  int32_t GlobalHiring = 0;
  std::string GlobalHiringLimitTo;
  int32_t ConsoleMode = 0;
  int32_t WaitBeforeCount = 0;
  int32_t WeightWorkrate = 30;
  int32_t WeightPush = 40;
  int32_t WeightStamina = 14;
  int32_t WeightCharisma = 16;
  int32_t TournamentsOrderBy = 0;
  int32_t TournamentsReverseOrder = 0;
  int32_t TournamentsLimitToRecent = 0;
  int32_t TournamentsShowAllOpen = 0;
  int32_t TournamentsRunUntilAfter = 0;
  int32_t NoCreativeImageUse = 0;
  std::string RankingsColumns;
  std::string RankingsOrderBy;
  int32_t RankingsOrder = 0;
  int32_t DefinitivePhase1 = 0;
  int32_t DefinitivePhase2 = 0;
  int32_t DefinitiveSemiFinals = 0;
  int32_t DefinitiveFinals = 0;
  int32_t StrictPushes = 0;
  int32_t ShowEnergyMeters = 0;
  int32_t DisallowNoSells = 0;
  int32_t NoCrowdReactions = 0;
  int32_t BooHeels = 0;
  int32_t NoForeignObjects = 0;
  int32_t NoMaskSpots = 0;
  int32_t NoRefBumps = 0;
  int32_t NoStandbyReferees = 0;
  int32_t CagePins = 0;
  int32_t CageEscapes = 0;
  int32_t DelayBetweenMoves = 150;
  int32_t TimeLimitOneFall = 20;
  int32_t TimeLimitTwoOfThreeFalls = 30;
  int32_t TimeLimitIronMan = 60;
  int32_t MatchLength = 7;
  int32_t DisableThemes = 0;
  int32_t NoBeep = 0;
  int32_t NoScrolling = 0;
  int32_t LocalHelpOnly = 0;
  int32_t AltHotkeys = 0;
  int32_t AllowAltTab = 0;
  int32_t DeleteForReal = 0;
  int32_t DeleteImmediately = 0;
  int32_t ShowSaveButton = 0;
  int32_t ShowRatings = 0;
  int32_t NormalizeDamage = 0;
  int32_t ScaleDamage = 0;
  // The six "|"-separated fields of "RV_MatchEngine_Options".
  std::string MatchEngineFont = "Courier New";
  int32_t MatchEngineValue2 = 3;
  int32_t MatchEngineValue3 = 12;
  int32_t MatchEngineValue4 = 20;
  int32_t MatchEngineColour5 = 0xFFFF00;
  int32_t MatchEngineColour6 = 0x80;
};

// Reads every option from the settings file with the game's defaults. The first load of a file
// switches damage normalisation on and records that in the file as "VersionNormalize=1". In a folder
// that cannot be written to, the file is only read: a missing one is not created (every option takes
// its default) and nothing is recorded.
// Each catalogue keeps the set its load read (db::Catalogue::Options).
void LOADZOROPTIONS(std::string_view settingsFileName, GameOptions& options);

}  // namespace settings
