// How long the window would go without processing events: the engine calls the event pump from its
// long loops, and the window processes its events in that call. Run in this process with a pump that
// only looks at the clock, the longest stretch between two calls (or between the start or the end of
// the work and the nearest call) is the longest the window would stay frozen.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "import/batch_import.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "services/events.h"
#include "services/messages.h"

namespace bench {

struct EventGaps {
  double loadSeconds = 0;   // LOADDBS, as at the start of the window
  double batchSeconds = 0;  // a batch of the one export: parse, write-out, commit, reload
  int32_t pumpCalls = 0;
  bool imported = false;
};

class PumpClock {
 public:
  using Clock = std::chrono::steady_clock;

  PumpClock() {
    previous_ = services::setEventPump([this](int32_t) { lap(); });
  }
  ~PumpClock() { services::setEventPump(previous_); }
  PumpClock(const PumpClock&) = delete;
  PumpClock& operator=(const PumpClock&) = delete;

  void start() {
    last_ = Clock::now();
    longest_ = 0;
  }
  // The longest stretch since start(), the one up to now included.
  double finish() {
    lap();
    return longest_;
  }
  int32_t calls() const { return calls_; }

 private:
  void lap() {
    const Clock::time_point now = Clock::now();
    longest_ = std::max(longest_, std::chrono::duration<double>(now - last_).count());
    last_ = now;
    ++calls_;
  }

  services::EventPump previous_;
  Clock::time_point last_ = Clock::now();
  double longest_ = 0;
  int32_t calls_ = 0;
};

// Loads the game in `gameFolder` and imports `exportPath` into it as a batch of one file. Changes the
// game's data folder.
inline EventGaps measureEventGaps(const std::string& gameFolder, const std::string& exportPath) {
  EventGaps gaps;
  memory::HEAPBEGIN();
  const platform::ReportHandler previousReport = platform::setReportHandler(
      [](const platform::UntrappedError&) { return platform::ReportAnswer::Continue; });
  const services::MessageBoxService previousBoxes =
      services::setMessageBoxService([](const services::MessageBoxRequest&) { return 1; });
  {
    db::Catalogue catalogue;
    exports::IncomingRecords incoming;
    PumpClock clock;
    clock.start();
    db::LOADDBS(catalogue, gameFolder, 1, 0, {});
    gaps.loadSeconds = clock.finish();

    clock.start();
    const imports::BatchResult batch =
        imports::importBatch({exportPath}, "", catalogue, incoming, gameFolder);
    gaps.batchSeconds = clock.finish();
    gaps.pumpCalls = clock.calls();
    gaps.imported = batch.files.size() == 1 && batch.files.front().result.code == imports::kSilentImported;
    db::releaseCatalogue(catalogue);
  }
  services::setMessageBoxService(previousBoxes);
  platform::setReportHandler(previousReport);
  memory::HEAPEND();
  return gaps;
}

}  // namespace bench
