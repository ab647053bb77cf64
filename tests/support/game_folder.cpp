#include "support/game_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

#include "support/export_writer.h"

namespace testsupport {

namespace {

std::string countText(size_t count, CountStyle style) {
  return style == CountStyle::NumberLine ? numberLine(static_cast<int64_t>(count)) : std::to_string(count);
}

template <class Spec>
std::vector<std::vector<std::string>> recordLines(const std::vector<Spec>& records) {
  std::vector<std::vector<std::string>> result;
  result.reserve(records.size());
  for (const Spec& record : records) result.push_back(record.toLines());
  return result;
}

}  // namespace

std::string crlfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

GameFolder::GameFolder() {
  static std::atomic<int> counter{0};
  root_ = std::filesystem::temp_directory_path() /
          ("zor-game-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(root_);
  std::filesystem::create_directories(root_ / "data");
}

// In the program's UTF-8 even where std::filesystem's narrow strings are not (MinGW).
std::string GameFolder::path() const {
  return pathText(root_);
}

GameFolder::~GameFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void GameFolder::writeEmptyDatabase() {
  for (std::string_view name : {"wrestlrs.dat", "moves.dat", "dives.dat", "managers.dat", "teams.dat",
                                "stables.dat", "objects.dat", "gimmicks.dat", "referees.def"}) {
    writeRecordFile(name, numberLine(0), {});
  }
  writeSettings({"VersionNormalize=1"});
}

void GameFolder::writeWrestlers(const std::vector<WrestlerSpec>& records, CountStyle style) {
  writeRecordFile("wrestlrs.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeMoves(const std::vector<MoveSpec>& records, CountStyle style) {
  writeRecordFile("moves.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeDives(const std::vector<DiveSpec>& records, CountStyle style) {
  writeRecordFile("dives.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeTeams(const std::vector<TeamSpec>& records, CountStyle style) {
  writeRecordFile("teams.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeManagers(const std::vector<ManagerSpec>& records, CountStyle style) {
  writeRecordFile("managers.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeStables(const std::vector<StableSpec>& records, CountStyle style) {
  writeRecordFile("stables.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeObjects(const std::vector<ObjectSpec>& records, CountStyle style) {
  writeRecordFile("objects.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeGimmicks(const std::vector<GimmickSpec>& records, CountStyle style) {
  writeRecordFile("gimmicks.dat", countText(records.size(), style), recordLines(records));
}
void GameFolder::writeReferees(const std::vector<RefereeSpec>& records, CountStyle style) {
  writeRecordFile("referees.def", countText(records.size(), style), recordLines(records));
}

void GameFolder::writeRecordFile(std::string_view name, std::string_view countLine,
                                 const std::vector<std::vector<std::string>>& records) {
  std::string text = std::string(countLine) + "\r\n";
  for (const auto& record : records) text += crlfText(record);
  writeBytes("data/" + std::string(name), text);
}

void GameFolder::writeCrowd(std::string_view name, const std::vector<std::string>& lines, bool scrambled) {
  std::vector<std::string> written;
  for (const std::string& line : lines) written.push_back(scrambled ? scrambleLine(line) : line);
  writeLines("data/" + std::string(name), written);
}

void GameFolder::writeMediaPaths(const std::vector<std::string>& lines) {
  writeLines("data/zortm.cnf", lines);
}

void GameFolder::writeSettings(const std::vector<std::string>& lines) {
  writeLines("zor.cnf", lines);
}

void GameFolder::writeLines(std::string_view relative, const std::vector<std::string>& lines) {
  writeBytes(relative, crlfText(lines));
}

void GameFolder::writeBytes(std::string_view relative, std::string_view bytes) {
  std::filesystem::path target = root_ / std::string(relative);
  std::filesystem::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void GameFolder::remove(std::string_view relative) {
  std::filesystem::remove(root_ / std::string(relative));
}

}  // namespace testsupport
