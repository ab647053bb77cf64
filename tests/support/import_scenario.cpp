#include "support/import_scenario.h"

#include <filesystem>
#include <map>

#include "support/export_writer.h"

namespace testsupport {
namespace {

void append(ExportLines& to, const ExportLines& from) {
  to.insert(to.end(), from.begin(), from.end());
}

void section(ExportLines& out, const std::string& marker, const std::vector<ExportLines>& records) {
  out.push_back(marker);
  out.push_back(std::to_string(records.size()));
  for (const ExportLines& record : records) append(out, record);
}

template <class Spec>
ExportLines withSource(int32_t source, const Spec& spec) {
  ExportLines lines{std::to_string(source)};
  append(lines, spec.toLines());
  return lines;
}

}  // namespace

ExportLines WrestlerExportFile::lines() const {
  ExportLines out{"ZOR 7 SE Export File"};
  section(out, "[Exported Wrestlers]", wrestlers);
  out.push_back("[Exported Teams]");
  for (const ExportLines& team : teams) append(out, team);
  out.push_back("");
  section(out, "[Exported Moves]", moves);
  section(out, "[Exported Managers]", managers);
  section(out, "[Exported Dives]", dives);
  return out;
}

ExportLines exportedMove(int32_t source, const MoveSpec& spec) {
  return withSource(source, spec);
}
ExportLines exportedManager(int32_t source, const ManagerSpec& spec) {
  return withSource(source, spec);
}
ExportLines exportedDive(int32_t source, const DiveSpec& spec) {
  return withSource(source, spec);
}

void writeScenarioDatabase(GameFolder& folder) {
  folder.writeEmptyDatabase();
  folder.writeWrestlers({wrestlerSpec("Old Timer"), wrestlerSpec("Champion", "", "pics\\champ.jpg"),
                         wrestlerSpec("Third Guy")});
  folder.writeMoves(
      {moveSpec("a Punch"), moveSpec("a Kick"), moveSpec("an Elbow Drop"), moveSpec("a Suplex")});
  folder.writeDives({diveSpec("a Plancha"), diveSpec("a Tope")});
  folder.writeManagers({managerSpec("Manager One"), managerSpec("Manager Two")});
  folder.writeTeams({teamSpec("Old Timer", "Third Guy", "Old Boys", "!1-2/OT")});
  folder.writeLines("data/zor.inf", {numberLine(3), numberLine(4), numberLine(2)});
}

WrestlerExportFile scenarioExport() {
  WrestlerExportFile file;

  WrestlerSpec star = wrestlerSpec("New Star");
  star.number79 = 1;
  star.moves = {101, 102};
  star.lines[55] = numberLine(packBits({{0, 103}, {16, 104}}));
  star.managers = {201, 202, 0, 0};
  star.dives = {301, 302, 0, 0, 0};
  WrestlerSpec champion = wrestlerSpec("Champion", "", "c:\\zor7se\\pics\\new_champ.jpg");
  champion.moves = {105};
  champion.managers = {202, 0, 0, 0};
  WrestlerSpec rookie = wrestlerSpec("Rookie");
  rookie.moves = {106};
  file.wrestlers = {star.toLines(), champion.toLines(), rookie.toLines()};

  file.teams = {teamSpec("New Star", "Champion", "Star Power", "!101-107/NeSt").toLines(),
                teamSpec("Rookie", "Nobody", "", "!108-Label/Ro").toLines()};

  MoveSpec moonsault = moveSpec("a Moonsault");
  moonsault.lines[7] = numberLine(109);
  file.moves = {exportedMove(101, moonsault),
                exportedMove(102, moveSpec("an Elbow Drop")),
                exportedMove(103, moveSpec("a Dropkick")),
                exportedMove(104, moveSpec("a Powerbomb")),
                exportedMove(105, moveSpec("a Lariat")),
                exportedMove(106, moveSpec("a Headbutt")),
                exportedMove(107, moveSpec("a Double Suplex")),
                exportedMove(108, moveSpec("a Spike")),
                exportedMove(109, moveSpec("a Shooting Star")),
                exportedMove(110, moveSpec("an Unused Move"))};
  file.managers = {exportedManager(201, managerSpec("Manager New")),
                   exportedManager(202, managerSpec("Manager One"))};
  DiveSpec corkscrew = diveSpec("a Corkscrew Dive");
  corkscrew.lines[3] = numberLine(104);
  file.dives = {exportedDive(301, corkscrew), exportedDive(302, diveSpec("a Plancha"))};
  return file;
}

WrestlerExportFile wrestlersOnlyExport(const std::vector<WrestlerSpec>& wrestlers) {
  WrestlerExportFile file;
  for (const WrestlerSpec& wrestler : wrestlers) file.wrestlers.push_back(wrestler.toLines());
  return file;
}

std::vector<std::string> fileLines(const std::filesystem::path& path) {
  return splitCrLfLines(readFileBytes(path));
}

std::vector<std::string> recordOf(const std::filesystem::path& path, int32_t linesPerRecord, int32_t k) {
  const std::vector<std::string> lines = fileLines(path);
  const size_t first = 1 + static_cast<size_t>(k - 1) * static_cast<size_t>(linesPerRecord);
  if (k < 1 || first + static_cast<size_t>(linesPerRecord) > lines.size()) return {};
  return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(first),
                                  lines.begin() + static_cast<std::ptrdiff_t>(first + linesPerRecord));
}

std::vector<std::filesystem::path> pathsUnder(const std::filesystem::path& root) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) paths.push_back(entry.path());
  return paths;
}

std::map<std::string, std::string> folderFiles(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().filename().string()] = readFileBytes(entry.path());
  }
  return files;
}

std::string stateOfFiles(const std::filesystem::path& folder, const std::vector<std::string>& names,
                         const std::map<std::string, std::string>& before,
                         const std::map<std::string, std::string>& after) {
  auto bytesIn = [](const std::map<std::string, std::string>& files, const std::string& name) {
    const auto found = files.find(name);
    return found == files.end() ? std::string("<missing>") : found->second;
  };
  size_t old = 0;
  size_t fresh = 0;
  std::string odd;
  for (const std::string& name : names) {
    const std::string bytes =
        std::filesystem::exists(folder / name) ? readFileBytes(folder / name) : std::string("<missing>");
    old += bytes == bytesIn(before, name);
    fresh += bytes == bytesIn(after, name);
    if (bytes != bytesIn(before, name) && bytes != bytesIn(after, name)) odd += " " + name;
  }
  if (old == names.size()) return "old";
  if (fresh == names.size()) return "new";
  return "mixed:" + odd;
}

void restoreFolderFiles(const std::filesystem::path& folder,
                        const std::map<std::string, std::string>& files) {
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    std::filesystem::remove_all(entry.path());
  for (const auto& [name, bytes] : files) writeFileBytes(folder / name, bytes);
}

}  // namespace testsupport
