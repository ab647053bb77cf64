#include "db/crowd.h"

#include <string>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db/record_reader.h"
#include "db/release.h"
#include "db/wrestler_finder.h"
#include "platform/files.h"
#include "settings/conf_file.h"
#include "settings/path_translation.h"

namespace db {

namespace {

int32_t alignmentCode(std::string_view alignment) {
  if (alignment == "Face") return 1;
  if (alignment == "Heel") return 2;
  if (alignment == "*") return 3;
  return 0;
}

bool hasNoText(memory::HeapString field) {
  return text(field).empty();
}

}  // namespace

void CrowdEntry::FREERECORDS() {
  for (memory::HeapString* field : {&WrestlerName, &CrowdText, &Extra1}) releaseText(*field);
}

void clearCrowdEntries(Catalogue& catalogue) {
  releaseRecords(catalogue.CrowdEntries, catalogue.CrowdCount);
  catalogue.CrowdEntries.assign(1, CrowdEntry{});
  catalogue.CrowdCount = 0;
}

void readCrowdFile(Catalogue& catalogue, int fileNumber, std::string_view path, int32_t kind,
                   const WrestlerFinder& wrestlers) {
  platform::openFile(fileNumber, path, platform::FileMode::Input);
  while (!platform::endOfFile(fileNumber)) {
    std::string line = settings::QUICKCRYPTCORE(platform::readLine(fileNumber), -1);
    std::string_view value = delimitedPart(line, '=', 2);
    std::string_view key = delimitedPart(line, '=', 1);
    std::string_view alignment = delimitedPart(key, '_', 2);
    std::string_view name = delimitedPart(key, '_', 1);
    if (name.empty() || alignment.empty() || value.empty()) continue;
    int32_t wrestler = wrestlers.find(name);
    if (wrestler == 0) continue;

    std::string_view wrestlerName = text(catalogue.Wrestlers[wrestler].Name);
    int32_t alignmentValue = alignmentCode(alignment);
    // One entry per "|"-separated text, empty ones included.
    for (size_t start = 0;;) {
      size_t bar = value.find('|', start);
      CrowdEntry& entry = catalogue.CrowdEntries.emplace_back();
      entry.Kind = kind;
      entry.Alignment = alignmentValue;
      entry.WrestlerName = memory::NEWSTRING(wrestlerName);
      entry.CrowdText =
          memory::NEWSTRING(value.substr(start, bar == std::string_view::npos ? bar : bar - start));
      ++catalogue.CrowdCount;
      if (bar == std::string_view::npos) break;
      start = bar + 1;
    }
  }
  platform::closeFile(fileNumber);
}

void readMediaPathFile(Catalogue& catalogue, int fileNumber, std::string_view path,
                       const WrestlerFinder& wrestlers) {
  platform::openFile(fileNumber, path, platform::FileMode::Input);
  while (!platform::endOfFile(fileNumber)) {
    std::string line = platform::readLine(fileNumber);
    std::string_view name = delimitedPart(line, '=', 1);
    // Every wrestler without a second name (and every unnamed team) answers to the empty name, so a
    // line without a name would hand its path to whichever of them comes first.
    if (name.empty()) continue;
    std::string_view spec = delimitedPart(delimitedPart(line, '=', 2), '|', 1);
    auto translated = [&] {
      return settings::TRANSLATEPATH(delimitedPart(spec, '+', 1), catalogue.GameFolder);
    };

    int32_t wrestler = wrestlers.find(name);
    if (wrestler != 0) {
      Wrestler& record = catalogue.Wrestlers[wrestler];
      if (hasNoText(record.MediaPath)) memory::replaceHeapString(record.MediaPath, translated());
      continue;
    }
    int32_t team = FINDTEAM(catalogue, name, 0);
    if (team != 0 && hasNoText(catalogue.Teams[team].MediaPath)) {
      memory::replaceHeapString(catalogue.Teams[team].MediaPath, translated());
    }
  }
  platform::closeFile(fileNumber);
}

}  // namespace db
