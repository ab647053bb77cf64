// How far a long piece of work is, for the front ends to show: the window a progress bar, the command
// line a line on a terminal. The work names its step for as long as it lasts (ProgressStep) and
// reports its count as it goes; the front end is told a few times a second at most, and decides
// itself whether the work has lasted long enough to be worth showing.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace services {

struct Progress {
  std::string step;  // "Loading wrestlers"; "" once the work is over
  int64_t done = 0;
  int64_t total = 0;                     // 0 when not known
  std::chrono::milliseconds elapsed{0};  // since the outermost step began
};

using ProgressSink = std::function<void(const Progress& progress)>;
ProgressSink setProgressSink(ProgressSink sink);

// Names the step of the work while it lives. Steps nest (an import loads the database again); the
// innermost one is shown, and the work is over when the outermost one ends.
class ProgressStep {
 public:
  explicit ProgressStep(std::string step);
  ~ProgressStep();
  ProgressStep(const ProgressStep&) = delete;
  ProgressStep& operator=(const ProgressStep&) = delete;

 private:
  std::string outer_;
};

// The count of the current step. Cheap enough for every record.
void reportProgress(int64_t done, int64_t total);

}  // namespace services
