// Progress on the terminal: one line rewritten in place once the work has lasted, wiped at the end;
// nothing at all when standard error is no terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "cli/terminal_progress.h"

namespace cli {
namespace {

using namespace std::chrono_literals;

TEST(TerminalProgressTest, OneLineRewrittenInPlaceAndWipedAtTheEnd) {
  std::ostringstream stream;
  {
    TerminalProgress progress(stream, true);
    progress.show(services::Progress{"Loading wrestlers", 1, 10, 100ms});
    EXPECT_EQ(stream.str(), "") << "work that has not lasted is not shown";
    progress.show(services::Progress{"Loading wrestlers", 9, 10, 600ms});
    progress.show(services::Progress{"Writing moves", 1, 2, 700ms});
    EXPECT_EQ(stream.str(), "\rLoading wrestlers: 9 of 10\rWriting moves: 1 of 2     ");
    progress.show(services::Progress{"", 0, 0, 800ms});
  }
  EXPECT_EQ(stream.str(),
            "\rLoading wrestlers: 9 of 10\rWriting moves: 1 of 2     \r" + std::string(21, ' ') + "\r");
}

TEST(TerminalProgressTest, ALinePrintedMeanwhileStartsOnAWipedLine) {
  std::ostringstream stream;
  TerminalProgress progress(stream, true);
  progress.show(services::Progress{"Loading moves", 1, 2, 600ms});
  clearTerminalProgress();
  EXPECT_EQ(stream.str(), "\rLoading moves: 1 of 2\r" + std::string(21, ' ') + "\r");
  clearTerminalProgress();
  EXPECT_EQ(stream.str(), "\rLoading moves: 1 of 2\r" + std::string(21, ' ') + "\r") << "wiped once";
}

TEST(TerminalProgressTest, NothingIsInstalledWhenTheStreamIsNoTerminal) {
  std::ostringstream stream;
  const TerminalProgress progress(stream, false);
  services::ProgressSink installed = services::setProgressSink(nullptr);
  EXPECT_FALSE(installed);
  services::setProgressSink(std::move(installed));
  {
    const services::ProgressStep step("Loading wrestlers");
    services::reportProgress(1, 1);
  }
  EXPECT_EQ(stream.str(), "");
}

}  // namespace
}  // namespace cli
