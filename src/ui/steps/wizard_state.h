// The wizard's progress and the help panel flag, one instance for the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// The wizard's step: it decides which controls are enabled and which step button is highlighted.
enum class Phase : int32_t {
  NothingOpen = 0,
  ExportListed = 1,  // an export of wrestlers listed, or batch files added
  SelectionParsed = 2,
};

struct WizardState {
  Phase phase = Phase::NothingOpen;
  int32_t helpShown = 0;
  // How far, in columns, the form was moved to the left to keep the help panel on the screen; hiding
  // the panel moves it back.
  double helpShift = 0;
  bool batchShown = false;  // the batch view is up instead of the wizard's steps
  // An import or a batch is running: the window keeps painting meanwhile, and a command that arrives
  // in the middle of it (however it got there) is not started.
  bool running = false;
  // The files of the batch list as the file system names them; the list shows them as they read.
  std::vector<std::string> batchFiles;
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
