#include "cli/terminal_progress.h"

#include <ostream>
#include <utility>

#include "services/progress_text.h"

namespace cli {

namespace {

TerminalProgress*& active() {
  static TerminalProgress* shown = nullptr;
  return shown;
}

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& stream, bool terminal) : stream_(stream) {
  if (!terminal) return;
  installed_ = true;
  active() = this;
  previous_ = services::setProgressSink([this](const services::Progress& progress) { show(progress); });
}

TerminalProgress::~TerminalProgress() {
  if (!installed_) return;
  clear();
  active() = nullptr;
  services::setProgressSink(std::move(previous_));
}

void TerminalProgress::show(const services::Progress& progress) {
  if (progress.step.empty()) {
    clear();
    return;
  }
  if (progress.elapsed < services::kShowProgressAfter) return;
  const std::string text = services::progressText(progress);
  // Blanks cover what is left of a longer line before.
  stream_ << '\r' << text << std::string(shownLength_ > text.size() ? shownLength_ - text.size() : 0, ' ')
          << std::flush;
  shownLength_ = text.size();
}

void TerminalProgress::clear() {
  if (shownLength_ == 0) return;
  stream_ << '\r' << std::string(shownLength_, ' ') << '\r' << std::flush;
  shownLength_ = 0;
}

void clearTerminalProgress() {
  if (active() != nullptr) active()->clear();
}

}  // namespace cli
