// The wizard's progress and the help panel flag, one instance for the program.
#pragma once

#include <cstdint>

namespace ui {

// 0 nothing open, 1 an export listed (or batch files added), 2 the selection parsed.
struct WizardState {
  int32_t phase = 0;
  int32_t helpShown = 0;
  // An import or a batch is running: the window keeps painting meanwhile, and a command that arrives
  // in the middle of it (however it got there) is not started.
  bool running = false;
};

WizardState& wizardState();

// Marks a run for as long as it lives.
class RunningScope {
 public:
  explicit RunningScope(WizardState& state) : state_(state) { state_.running = true; }
  ~RunningScope() { state_.running = false; }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

 private:
  WizardState& state_;
};

}  // namespace ui
