// The command line's side of the program's services: message boxes are printed without their brace
// codes (information to standard output, stop boxes to standard error), questions are answered from
// the options, the untrapped-error report is printed to standard error and answered Continue, and
// texts leave the program converted from Windows-1252 to UTF-8.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "services/messages.h"

namespace cli {

struct Console {
  std::ostream& out;
  std::ostream& err;
  bool answerYes = true;  // the answer to every question box
  // While holding, boxes are kept instead of printed, so that the caller can print them where the
  // outcome of the operation that showed them belongs.
  bool holding = false;
  std::vector<services::BraceCodes> held;
};

// A text of the program (Windows-1252) as one UTF-8 line.
void printLine(std::ostream& stream, std::string_view text);

// Prints the held boxes' texts to standard output or standard error and stops holding.
void releaseHeld(Console& console, bool asErrors);

// Installs the console's services for its lifetime and restores the previous ones afterwards.
class ConsoleServices {
 public:
  explicit ConsoleServices(Console& console);
  ~ConsoleServices();
  ConsoleServices(const ConsoleServices&) = delete;
  ConsoleServices& operator=(const ConsoleServices&) = delete;

 private:
  services::MessageBoxService previousBoxes_;
  platform::ReportHandler previousReport_;
};

}  // namespace cli
