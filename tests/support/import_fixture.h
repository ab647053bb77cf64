// A test fixture for import runs on a game folder of their own: a private heap, a catalogue, incoming
// records, and recorders for message boxes (answering questions as told), untrapped-error reports, log
// lines and event-pump calls.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "export/stream_table.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "services/events.h"
#include "services/log.h"
#include "services/messages.h"
#include "support/export_writer.h"
#include "support/game_folder.h"
#include "support/import_road.h"
#include "support/import_scenario.h"
#include "support/service_recorder.h"

namespace testsupport {

class ImportFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    memory::HEAPBEGIN();
    // These tests repeat imports hundreds of times; what they check does not depend on the disk.
    platform::skipDiskSync(true);
  }

  void TearDown() override {
    EXPECT_EQ(exports::streamTable().streamCount, 0) << "a stream was left open";
    db::releaseCatalogue(catalogue);
    platform::clearFileFaults();
    platform::closeAllFiles();
    platform::skipDiskSync(false);
    memory::HEAPEND();
  }

  int32_t load(const std::string& game) { return db::LOADDBS(catalogue, game, 1, 0, {}); }
  int32_t load() { return load(folder.path()); }

  // The wizard's road from a fresh load of `game` (the fixture's folder unless given): the export
  // opened, exactly `selected` chosen, the import run with `confirm` (none commits at once) and what
  // it has to tell shown.
  imports::ImportRunResult loadAndImport(const std::string& exportPath,
                                         const std::vector<std::string>& selected,
                                         const imports::ConfirmImport& confirm, std::string game = "") {
    if (game.empty()) game = folder.path();
    EXPECT_EQ(load(game), 0);
    openAndSelect(exportPath, catalogue, incoming, selected);
    return importAndShow(incoming, catalogue, imports::MappingRows{}, game, confirm);
  }

  std::string writeExport(const ExportLines& lines, const std::string& name = "export.zor",
                          bool enciphered = true, uint32_t seed = 11) {
    const auto path = folder.root() / name;
    writeFileBytes(path,
                   enciphered ? encipheredExportBytes(lines, exportKeys(seed)) : plainExportBytes(lines));
    return path.string();
  }

  std::filesystem::path data(const std::string& name) const { return folder.data(name); }
  std::vector<std::string> lines(const std::string& name) const { return fileLines(data(name)); }
  std::map<std::string, std::string> dataFiles() const { return folderFiles(folder.root() / "data"); }
  void restoreDataFiles(const std::map<std::string, std::string>& files) const {
    restoreFolderFiles(folder.root() / "data", files);
  }

  std::vector<std::string> boxTexts() const { return recorder.boxTexts(); }

  GameFolder folder;
  db::Catalogue catalogue;
  exports::IncomingRecords incoming;
  ServiceRecorder recorder;
  bool& answerYes = recorder.answerYes;
  std::function<void(const services::MessageBoxRequest&)>& onBox = recorder.onBox;
  std::vector<services::MessageBoxRequest>& boxes = recorder.boxes;
  std::vector<platform::UntrappedError>& reports = recorder.reports;
  std::vector<std::string>& log = recorder.log;
  std::vector<std::string>& fileLog = recorder.fileLog;
  std::vector<int32_t>& pumps = recorder.pumps;
};

}  // namespace testsupport
