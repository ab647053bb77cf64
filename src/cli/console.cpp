#include "cli/console.h"

#include <ostream>

#include "cli/terminal_progress.h"
#include "platform/text.h"

namespace cli {
namespace {

void printBox(Console& console, const services::BraceCodes& box, bool asError) {
  printLine(asError ? console.err : console.out, box.body);
}

int32_t answerBox(Console& console, const services::MessageBoxRequest& request) {
  services::BraceCodes box = services::parseBraceCodes(request.text);
  if (box.icon != services::MessageIcon::Question) {
    printBox(console, box, box.icon == services::MessageIcon::Stop);
  }
  if (request.buttons == "YN") return console.answerYes ? 1 : 0;
  return 1;
}

// The report's first two lines; its third tells the window's buttons, which the command line has not.
platform::ReportAnswer report(Console& console, const platform::UntrappedError& error) {
  std::string text = platform::reportText(error);
  const size_t buttons = text.find("\r\n\r\n");
  if (buttons != std::string::npos) text.resize(buttons);
  printLine(console.err, text);
  return platform::ReportAnswer::Continue;
}

}  // namespace

void printLine(std::ostream& stream, std::string_view text) {
  clearTerminalProgress();
  std::string lines = platform::utf8From1252(text);
  for (size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) {
    lines.replace(at, 2, "\n");
  }
  stream << lines << '\n';
}

void printMessage(Console& console, const services::MessageBoxRequest& message, bool asError) {
  printBox(console, services::parseBraceCodes(message.text), asError);
}

ConsoleServices::ConsoleServices(Console& console)
    : previousBoxes_(services::setMessageBoxService(
          [&console](const services::MessageBoxRequest& request) { return answerBox(console, request); })),
      previousReport_(platform::setReportHandler(
          [&console](const platform::UntrappedError& error) { return report(console, error); })) {}

ConsoleServices::~ConsoleServices() {
  platform::setReportHandler(std::move(previousReport_));
  services::setMessageBoxService(std::move(previousBoxes_));
}

}  // namespace cli
