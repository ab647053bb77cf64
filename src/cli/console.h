// The command line's side of the program's services: message boxes are printed without their brace
// codes (information to standard output, stop boxes to standard error), questions are answered from
// the options, the untrapped-error report is printed to standard error and answered Continue, and
// texts leave the program converted from Windows-1252 to UTF-8.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "services/messages.h"

namespace cli {

struct Console {
  std::ostream& out;
  std::ostream& err;
  bool answerYes = true;  // the answer to every question box
};

// A text of the program (Windows-1252) as UTF-8, its CR LF line breaks as the terminal's.
void printLine(std::ostream& stream, std::string_view text);

// A message the engine returned, printed without its brace codes where its outcome belongs: to
// standard error when the operation failed, else to standard output.
void printMessage(Console& console, const services::MessageBoxRequest& message, bool asError);

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
