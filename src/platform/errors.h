// The untrapped-error report: every failing file, memory or index operation that the calling code
// does not test itself ends here. A replaceable handler shows it (a box in the window, a line on
// standard error in the command line, a recorder in tests) and answers Continue or Terminate.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum ErrorNumber : int {
  kErrIllegalFunctionCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscriptOutOfRange = 9,
  kErrInternal = 51,
  kErrBadFileNumber = 52,
  kErrFileNotFound = 53,
  kErrBadFileMode = 54,
  kErrFileAlreadyOpen = 55,
  kErrDeviceIo = 57,
  kErrFileAlreadyExists = 58,
  kErrDiskFull = 61,
  kErrInputPastEnd = 62,
  kErrBadRecordNumber = 63,
  kErrBadFileName = 64,
  kErrTooManyFiles = 67,
  kErrPermissionDenied = 70,
  kErrRenameAcrossDisks = 74,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
  kErrGlobalMemoryCorrupt = 241,
  kErrStringSpaceCorrupt = 242,
};

// "File not found" for 53 and so on; "Unknown error" for a number without a description.
std::string_view errorDescription(int number);

// "error 57 (Device I/O error)": how every message names an error.
std::string errorText(int number, std::string_view description);

struct UntrappedError {
  int number = 0;
  std::string description;
  std::string procedure;  // short name: the running procedure in capitals, at most 8 characters
};
// errorText of the error, with " in " and its procedure when `withProcedure` and it has one.
std::string describeError(const UntrappedError& error, bool withProcedure = true);

enum class ReportAnswer { Continue, Terminate };
using ReportHandler = std::function<ReportAnswer(const UntrappedError&)>;
using Terminator = std::function<void(int exitCode)>;

// The three-line text of the report box ("Untrapped Error #53 (File not found)" ...).
std::string reportText(const UntrappedError& error);

// Installs a handler and returns the previous one. Without a handler the report goes to
// standard error and the answer is Continue.
ReportHandler setReportHandler(ReportHandler handler);
// Installs what ends the process (default: immediate exit without flushing anything).
Terminator setTerminator(Terminator terminator);

// Raises error `number` in the running procedure: recorded by the innermost ErrorTrap when one is
// active, otherwise reported. Terminate, and errors 241 and 242 whatever the answer, end the process
// with exit code 255. Returns when the program is to go on with the next statement.
void raiseError(int number);
// The same with a description of its own in place of the number's usual one.
void raiseDescribedError(int number, std::string_view description);

// Marks the procedure that is running, for the report's short name. Scopes nest. The name is kept
// as given, so it must outlive the scope (procedure names are constants).
class ProcedureScope {
 public:
  explicit ProcedureScope(std::string_view name);
  ~ProcedureScope();
  ProcedureScope(const ProcedureScope&) = delete;
  ProcedureScope& operator=(const ProcedureScope&) = delete;
};

// The short name of the innermost procedure scope: upper-cased, cut to 8 characters; "" when none.
std::string currentProcedureShortName();

// While an ErrorTrap lives, raised errors are recorded in it instead of being reported, so code
// that checks its own operations (the import commit) can stop safely and say what failed.
class ErrorTrap {
 public:
  ErrorTrap();
  ~ErrorTrap();
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  bool failed() const { return !errors_.empty(); }
  const std::vector<UntrappedError>& errors() const { return errors_; }
  void clear() { errors_.clear(); }
  void record(const UntrappedError& error) { errors_.push_back(error); }

 private:
  ErrorTrap* outer_;
  std::vector<UntrappedError> errors_;
};

// While an ErrorWatch lives, it is told every raised error, trapped or reported, without changing how
// the error is handled: code that goes on after untested operations can still learn that one failed.
// Watches nest, and every live watch sees every error.
class ErrorWatch {
 public:
  // A failing disk can raise an error per line of a long file: only the first ones are kept.
  static constexpr size_t kKept = 16;

  ErrorWatch();
  ~ErrorWatch();
  ErrorWatch(const ErrorWatch&) = delete;
  ErrorWatch& operator=(const ErrorWatch&) = delete;

  bool sawErrors() const { return count_ > 0; }
  // Every error seen, and the first kKept of them in the order raised.
  size_t count() const { return count_; }
  const std::vector<UntrappedError>& errors() const { return errors_; }

 private:
  friend void raiseError(int number);
  friend void raiseDescribedError(int number, std::string_view description);
  void record(const UntrappedError& error);

  ErrorWatch* outer_;
  size_t count_ = 0;
  std::vector<UntrappedError> errors_;
};

}  // namespace platform
