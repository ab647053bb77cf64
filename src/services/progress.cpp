#include "services/progress.h"

#include <utility>

namespace services {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTellInterval = std::chrono::milliseconds(50);

struct ProgressState {
  ProgressSink sink;
  int depth = 0;
  std::string step;
  Clock::time_point began;
  Clock::time_point lastTold;
  uint32_t calls = 0;
};

ProgressState& state() {
  static ProgressState current;
  return current;
}

void tell(ProgressState& current, int64_t done, int64_t total) {
  const Clock::time_point now = Clock::now();
  current.lastTold = now;
  current.sink(Progress{current.step, done, total,
                        std::chrono::duration_cast<std::chrono::milliseconds>(now - current.began)});
}

}  // namespace

ProgressSink setProgressSink(ProgressSink sink) {
  return std::exchange(state().sink, std::move(sink));
}

ProgressStep::ProgressStep(std::string step) {
  ProgressState& current = state();
  if (current.depth++ == 0) {
    current.began = Clock::now();
    current.lastTold = current.began;
  }
  outer_ = std::exchange(current.step, std::move(step));
  if (current.sink) tell(current, 0, 0);
}

ProgressStep::~ProgressStep() {
  ProgressState& current = state();
  current.step = std::move(outer_);
  if (--current.depth == 0) current.step.clear();
  if (current.sink) tell(current, 0, 0);
}

void reportProgress(int64_t done, int64_t total) {
  ProgressState& current = state();
  if (!current.sink || current.depth == 0) return;
  // The clock is read every 64th call only: a load reports every record.
  if ((++current.calls & 63) != 0 && done != total) return;
  if (Clock::now() - current.lastTold < kTellInterval && done != total) return;
  tell(current, done, total);
}

}  // namespace services
