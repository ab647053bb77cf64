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
#include "support/import_scenario.h"

namespace testsupport {

class ImportFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    memory::HEAPBEGIN();
    // These tests repeat imports hundreds of times; what they check does not depend on the disk.
    platform::skipDiskSync(true);
    previousHandler_ = platform::setReportHandler([this](const platform::UntrappedError& error) {
      reports.push_back(error);
      return platform::ReportAnswer::Continue;
    });
    previousTerminator_ =
        platform::setTerminator([](int exitCode) { FAIL() << "terminated with " << exitCode; });
    previousPump_ = services::setEventPump([this](int32_t count) { pumps.push_back(count); });
    previousBoxes_ = services::setMessageBoxService([this](const services::MessageBoxRequest& request) {
      boxes.push_back(request);
      if (onBox) onBox(request);
      return request.buttons == "YN" ? (answerYes ? 1 : 0) : 1;
    });
    previousSink_ = services::setLogSink([this](services::LogChannel channel, std::string_view line) {
      (channel == services::LogChannel::Files ? fileLog : log).emplace_back(line);
    });
  }

  void TearDown() override {
    EXPECT_EQ(exports::streamTable().streamCount, 0) << "a stream was left open";
    db::releaseCatalogue(catalogue);
    platform::clearFileFaults();
    platform::closeAllFiles();
    services::setLogSink(previousSink_);
    services::setMessageBoxService(previousBoxes_);
    services::setEventPump(previousPump_);
    platform::setTerminator(previousTerminator_);
    platform::setReportHandler(previousHandler_);
    platform::skipDiskSync(false);
    memory::HEAPEND();
  }

  int32_t load() { return db::LOADDBS(catalogue, folder.path(), 1, 0, {}); }

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

  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const services::MessageBoxRequest& box : boxes) texts.push_back(box.text);
    return texts;
  }

  GameFolder folder;
  db::Catalogue catalogue;
  exports::IncomingRecords incoming;
  bool answerYes = true;
  std::function<void(const services::MessageBoxRequest&)> onBox;
  std::vector<services::MessageBoxRequest> boxes;
  std::vector<platform::UntrappedError> reports;
  std::vector<std::string> log;
  std::vector<std::string> fileLog;
  std::vector<int32_t> pumps;

 private:
  platform::ReportHandler previousHandler_;
  platform::Terminator previousTerminator_;
  services::EventPump previousPump_;
  services::MessageBoxService previousBoxes_;
  services::LogSink previousSink_;
};

}  // namespace testsupport
