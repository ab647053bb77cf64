// A small game database and wrestler exports that reference into it, for the tests of the import runs
// and of the command line. The numbers below are the ones the scenario is built on.
//
// Database: wrestlers 1 "Old Timer", 2 "Champion" (picture "pics\champ.jpg"), 3 "Third Guy"; moves
// 1 "a Punch", 2 "a Kick", 3 "an Elbow Drop", 4 "a Suplex"; dives 1 "a Plancha", 2 "a Tope"; managers
// 1 "Manager One", 2 "Manager Two"; team 1 "Old Boys" (Old Timer/Third Guy, "!1-2/OT").
//
// Export (source numbers of the exporting database):
//   wrestler 1 "New Star" (F): moves 101, 102 (lines 3, 4), line 55 = 103 | 104 << 16, managers 201, 202,
//                              dives 301, 302
//   wrestler 2 "Champion":     move 105, manager 202, picture "c:\zor7se\pics\new_champ.jpg" (the
//                              game folder's "pics\new_champ.jpg" in stored form)
//   wrestler 3 "Rookie":       move 106
//   team 1 "Star Power" (New Star/Champion, "!101-107/NeSt"); team 2 Rookie/Nobody ("!108-Label/Ro")
//   moves 101 Moonsault (line 7 names 109), 102 Elbow Drop (in the database), 103 Dropkick,
//         104 Powerbomb, 105 Lariat, 106 Headbutt, 107 Double Suplex, 108 Spike, 109 Shooting Star,
//         110 Unused Move
//   managers 201 "Manager New", 202 "Manager One" (in the database)
//   dives 301 "a Corkscrew Dive" (line 3 names move 104), 302 "a Plancha" (in the database)
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/game_folder.h"
#include "support/game_records.h"

namespace testsupport {

using ExportLines = std::vector<std::string>;

// A wrestler export: heading, the five sections with their markers and count lines.
struct WrestlerExportFile {
  std::vector<ExportLines> wrestlers, teams, moves, managers, dives;
  ExportLines lines() const;
};

// Records as an export carries them: moves, managers and dives with the source number as line 0.
ExportLines exportedMove(int32_t source, const MoveSpec& spec);
ExportLines exportedManager(int32_t source, const ManagerSpec& spec);
ExportLines exportedDive(int32_t source, const DiveSpec& spec);

// The scenario's database, with "zor.inf" and empty stables, objects, gimmick matches and referees.
void writeScenarioDatabase(GameFolder& folder);
// The scenario's export.
WrestlerExportFile scenarioExport();
// An export of the given wrestlers only, with no other records.
WrestlerExportFile wrestlersOnlyExport(const std::vector<WrestlerSpec>& wrestlers);

// The lines of a file split at CR LF (a last line without one counts too).
std::vector<std::string> fileLines(const std::filesystem::path& path);
// Record k (1-based) of a record file with one count line.
std::vector<std::string> recordOf(const std::filesystem::path& path, int32_t linesPerRecord, int32_t k);
// Every file of a folder (not its subfolders) by name, with its bytes.
std::map<std::string, std::string> folderFiles(const std::filesystem::path& folder);
// Every path under `root`, files and folders, in the order the system lists them: what a program
// left behind shows as a difference.
std::vector<std::filesystem::path> pathsUnder(const std::filesystem::path& root);
// Whether the named files of a folder are all as in `before` ("old"), all as in `after` ("new"), or
// a mix ("mixed:" and the files that are neither). A file that is missing, from the folder or from a
// map, counts as "<missing>".
std::string stateOfFiles(const std::filesystem::path& folder, const std::vector<std::string>& names,
                         const std::map<std::string, std::string>& before,
                         const std::map<std::string, std::string>& after);
// Empties the folder and writes exactly these files into it.
void restoreFolderFiles(const std::filesystem::path& folder, const std::map<std::string, std::string>& files);

}  // namespace testsupport
