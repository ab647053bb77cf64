// Fixture of the database tests: a private heap, a synthetic game folder holding an empty database,
// a catalogue of its own, and recorders for untrapped errors and event pumps.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/heap.h"
#include "services/events.h"
#include "support/game_folder.h"
#include "support/service_recorder.h"

namespace dbtest {

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    memory::HEAPBEGIN();
    folder.writeEmptyDatabase();
  }

  void TearDown() override {
    db::releaseCatalogue(catalogue);
    platform::closeAllFiles();
    memory::HEAPEND();
  }

  // LOADDBS as every caller of the program runs it.
  int32_t load() { return db::LOADDBS(catalogue, folder.path(), 1, 0, {}); }

  size_t heapBlocks() const { return platform::heapBlockCount(memory::heapState().current); }

  std::vector<int> errorNumbers() const {
    std::vector<int> numbers;
    for (const auto& error : errors) numbers.push_back(error.number);
    return numbers;
  }

  // Writes `lines` to a scratch file and hands it, open for input, to `read`.
  template <class Read>
  void readRecordFrom(const std::vector<std::string>& lines, Read read) {
    folder.writeLines("scratch.txt", lines);
    int fileNumber = platform::freeFileNumber();
    ASSERT_TRUE(
        platform::openFile(fileNumber, (folder.root() / "scratch.txt").string(), platform::FileMode::Input));
    read(fileNumber);
    platform::closeFile(fileNumber);
  }

  testsupport::GameFolder folder;
  db::Catalogue catalogue;
  testsupport::ServiceRecorder recorder;
  std::vector<platform::UntrappedError>& errors = recorder.reports;
  std::vector<int32_t>& pumps = recorder.pumps;
};

}  // namespace dbtest
