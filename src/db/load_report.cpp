#include "db/load_report.h"

#include "db/catalogue.h"

namespace db {
namespace {

// The file of each kind, by slot.
constexpr const char* kKindFiles[kMainKindCount] = {
    "\\data\\wrestlrs.dat", "\\data\\moves.dat",   "\\data\\dives.dat",
    "\\data\\managers.dat", "\\data\\teams.dat",   "\\data\\stables.dat",
    "\\data\\referees.def", "\\data\\objects.dat", "\\data\\gimmicks.dat",
};

std::string pathOf(const Catalogue& catalogue, int slot) {
  const KindLoad& load = catalogue.kindLoads[static_cast<size_t>(slot)];
  return load.path.empty() ? catalogue.GameFolder + kKindFiles[slot] : load.path;
}

}  // namespace

std::string kindFilePath(std::string_view gameFolder, int32_t kindBit) {
  const int slot = kindSlot(kindBit);
  return slot < 0 ? std::string() : std::string(gameFolder) + kKindFiles[slot];
}

int kindSlot(int32_t kindBit) {
  for (int slot = 0; slot < kMainKindCount; ++slot) {
    if (kindBit == (int32_t{1} << slot)) return slot;
  }
  return -1;
}

std::optional<LoadProblem> incompleteLoad(const Catalogue& catalogue, int32_t kindMask) {
  for (int slot = 0; slot < kMainKindCount; ++slot) {
    const int32_t bit = int32_t{1} << slot;
    if ((kindMask & bit) == 0) continue;
    const KindLoad& load = catalogue.kindLoads[static_cast<size_t>(slot)];
    if (load.loaded && !load.firstError) continue;
    LoadProblem problem{bit, pathOf(catalogue, slot), 0, "not loaded"};
    if (load.loaded) {
      problem.errorNumber = load.firstError->number;
      problem.description = load.firstError->description;
    }
    return problem;
  }
  return std::nullopt;
}

std::vector<KindLoad> loadedFiles(const Catalogue& catalogue, int32_t kindMask) {
  std::vector<KindLoad> files;
  for (int slot = 0; slot < kMainKindCount; ++slot) {
    if ((kindMask & (int32_t{1} << slot)) == 0) continue;
    KindLoad& file = files.emplace_back(catalogue.kindLoads[static_cast<size_t>(slot)]);
    file.path = pathOf(catalogue, slot);
  }
  return files;
}

std::optional<std::string> firstChanged(const std::vector<KindLoad>& files) {
  for (const KindLoad& file : files) {
    if (!file.loaded || platform::fileStamp(file.path) != file.stamp) return file.path;
  }
  return std::nullopt;
}

std::optional<std::string> changedSinceLoad(const Catalogue& catalogue, int32_t kindMask) {
  return firstChanged(loadedFiles(catalogue, kindMask));
}

std::string describeChangedFile(const std::string& path) {
  return "\"" + path +
         "\" has changed since the database was loaded (another import or the game has written it)";
}

std::string describeLoadProblem(const LoadProblem& problem) {
  const std::string file = "\"" + problem.path + "\"";
  if (problem.errorNumber == 0) return file + " was not loaded";
  return file + " was not read completely when the database was loaded (" +
         platform::errorText(problem.errorNumber, problem.description) + ")";
}

}  // namespace db
