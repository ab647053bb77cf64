// A synthetic game folder for tests and benchmarks: a fresh temporary folder with a "data" folder in
// which the record files, crowd files and settings files are written from the builders of
// game_records.h. Every line ends in CR LF. The folder is removed with everything in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/game_records.h"

namespace testsupport {

// How the record-count line of a file is written.
enum class CountStyle {
  NumberLine,  // " 5 "
  Plain,       // "5"
};

class GameFolder {
 public:
  GameFolder();
  ~GameFolder();
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const std::filesystem::path& root() const { return root_; }
  // The folder as the load sequence takes it.
  std::string path() const;
  // A file in the data folder, e.g. data("teams.dat").
  std::filesystem::path data(std::string_view name) const { return root_ / "data" / std::string(name); }

  // Every record file with 0 records, referees.def included, and a zor.cnf that needs no update.
  void writeEmptyDatabase();

  void writeWrestlers(const std::vector<WrestlerSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeMoves(const std::vector<MoveSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeDives(const std::vector<DiveSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeTeams(const std::vector<TeamSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeManagers(const std::vector<ManagerSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeStables(const std::vector<StableSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeObjects(const std::vector<ObjectSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeGimmicks(const std::vector<GimmickSpec>& records, CountStyle style = CountStyle::NumberLine);
  void writeReferees(const std::vector<RefereeSpec>& records, CountStyle style = CountStyle::NumberLine);

  // A record file from its count line and the records' lines (for counts that do not match).
  void writeRecordFile(std::string_view name, std::string_view countLine,
                       const std::vector<std::vector<std::string>>& records);
  // Crowd lines ("name_Face=text|text") for crowd.cnf or wcrowd.cnf, optionally scrambled.
  void writeCrowd(std::string_view name, const std::vector<std::string>& lines, bool scrambled = false);
  // Media-path lines ("name=path|...") for zortm.cnf.
  void writeMediaPaths(const std::vector<std::string>& lines);
  // zor.cnf in the game folder.
  void writeSettings(const std::vector<std::string>& lines);

  // Any file under the game folder ("data/moves.dat"), as lines or as exact bytes.
  void writeLines(std::string_view relative, const std::vector<std::string>& lines);
  void writeBytes(std::string_view relative, std::string_view bytes);
  void remove(std::string_view relative);

 private:
  std::filesystem::path root_;
};

// All lines joined, each followed by CR LF.
std::string crlfText(const std::vector<std::string>& lines);

}  // namespace testsupport
