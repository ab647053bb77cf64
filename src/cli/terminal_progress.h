// Progress of long work on one line of standard error, rewritten in place, when standard error is a
// terminal; nothing when it is a file or a pipe, so that what scripts read stays clean.
#pragma once

#include <iosfwd>
#include <string>

#include "services/progress.h"

namespace cli {

class TerminalProgress {
 public:
  // Installs itself for its lifetime when `terminal` says the stream is one.
  TerminalProgress(std::ostream& stream, bool terminal);
  ~TerminalProgress();
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void show(const services::Progress& progress);
  void clear();

 private:
  std::ostream& stream_;
  bool installed_ = false;
  size_t shownLength_ = 0;  // of the line on the terminal now; 0 when there is none
  services::ProgressSink previous_;
};

// Wipes the progress line, if one is shown, so that a line printed next starts on a clean line.
void clearTerminalProgress();

}  // namespace cli
