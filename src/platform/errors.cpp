#include "platform/errors.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

struct ErrorState {
  ReportHandler handler;
  Terminator terminator;
  ErrorTrap* innermostTrap = nullptr;
  ErrorWatch* innermostWatch = nullptr;
  std::vector<std::string_view> procedures;
};

ErrorState& errorState() {
  static ErrorState state;
  return state;
}

struct Description {
  int number;
  std::string_view text;
};

constexpr Description kDescriptions[] = {
    {0, "No Error"},
    {5, "Illegal function call"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript/Pointer out of range"},
    {11, "Division by zero"},
    {24, "Device timeout"},
    {51, "Internal error"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File is open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end"},
    {63, "Bad record number"},
    {64, "Bad file name"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {69, "Comm error"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {72, "Disk media error"},
    {74, "Rename across disks"},
    {75, "Path/file access error"},
    {76, "Path not found"},
    {98, "XPrint Preview error"},
    {99, "Object error"},
    {241, "Global memory corrupt"},
    {242, "String space corrupt"},
};

ReportAnswer defaultHandler(const UntrappedError& error) {
  std::string text = reportText(error);
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  return ReportAnswer::Continue;
}

void defaultTerminator(int exitCode) {
  std::_Exit(exitCode);
}

bool endsProcessWhateverTheAnswer(int number) {
  return number == kErrGlobalMemoryCorrupt || number == kErrStringSpaceCorrupt;
}

}  // namespace

std::string_view errorDescription(int number) {
  for (const Description& description : kDescriptions) {
    if (description.number == number) return description.text;
  }
  return "Unknown error";
}

std::string reportText(const UntrappedError& error) {
  std::string text = "Untrapped Error #" + std::to_string(error.number) + " (" + error.description + ")";
  text += "\r\nhas occurred following execution of " + error.procedure;
  text += "\r\n\r\nPress OK to continue, Cancel to terminate";
  return text;
}

ReportHandler setReportHandler(ReportHandler handler) {
  return std::exchange(errorState().handler, std::move(handler));
}

Terminator setTerminator(Terminator terminator) {
  return std::exchange(errorState().terminator, std::move(terminator));
}

void raiseError(int number) {
  raiseDescribedError(number, errorDescription(number));
}

void raiseDescribedError(int number, std::string_view description) {
  ErrorState& state = errorState();
  UntrappedError error{number, std::string(description), currentProcedureShortName()};
  for (ErrorWatch* watch = state.innermostWatch; watch != nullptr; watch = watch->outer_) {
    watch->record(error);
  }
  if (state.innermostTrap != nullptr) {
    state.innermostTrap->record(error);
    return;
  }
  ReportAnswer answer = state.handler ? state.handler(error) : defaultHandler(error);
  if (answer == ReportAnswer::Terminate || endsProcessWhateverTheAnswer(number)) {
    if (state.terminator) {
      state.terminator(255);
    } else {
      defaultTerminator(255);
    }
  }
}

ProcedureScope::ProcedureScope(std::string_view name) {
  errorState().procedures.emplace_back(name);
}

ProcedureScope::~ProcedureScope() {
  errorState().procedures.pop_back();
}

std::string currentProcedureShortName() {
  const std::vector<std::string_view>& procedures = errorState().procedures;
  if (procedures.empty()) return "";
  std::string name(procedures.back().substr(0, 8));
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

ErrorTrap::ErrorTrap() : outer_(errorState().innermostTrap) {
  errorState().innermostTrap = this;
}

ErrorTrap::~ErrorTrap() {
  errorState().innermostTrap = outer_;
}

ErrorWatch::ErrorWatch() : outer_(errorState().innermostWatch) {
  errorState().innermostWatch = this;
}

ErrorWatch::~ErrorWatch() {
  errorState().innermostWatch = outer_;
}

void ErrorWatch::record(const UntrappedError& error) {
  ++count_;
  if (errors_.size() < kKept) errors_.push_back(error);
}

std::string errorText(int number, std::string_view description) {
  return "error " + std::to_string(number) + " (" + std::string(description) + ")";
}

std::string describeError(const UntrappedError& error, bool withProcedure) {
  std::string text = errorText(error.number, error.description);
  if (withProcedure && !error.procedure.empty()) text += " in " + error.procedure;
  return text;
}

}  // namespace platform
