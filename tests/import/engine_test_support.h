// Small builders shared by the engine's unit tests: incoming header records, a capture of the log
// lines the engine passes to LOGM and LOGMF, a counter of error reports and CR LF file contents.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/incoming.h"
#include "platform/errors.h"
#include "services/log.h"

namespace imports::enginetest {

inline exports::IncomingRecord record(int32_t source, int32_t existing, int32_t importNumber,
                                      std::string name = "") {
  exports::IncomingRecord result;
  result.SourceNumber = source;
  result.StoredName = name;
  result.ListName = name;
  result.ExistingNumber = existing;
  result.IsNew = existing == 0 ? 1 : 0;
  result.ImportNumber = importNumber;
  return result;
}

// General lines in `lines`, file lines (LOGMF) in `fileLines`, while it lives.
class LogCapture {
 public:
  LogCapture() {
    previous_ = services::setLogSink([this](services::LogChannel channel, std::string_view line) {
      (channel == services::LogChannel::Files ? fileLines : lines).emplace_back(line);
    });
  }
  ~LogCapture() { services::setLogSink(previous_); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<std::string> lines;
  std::vector<std::string> fileLines;

 private:
  services::LogSink previous_;
};

// Counts the untrapped-error reports (answered Continue) while it lives; checked code raises none.
class ReportCounter {
 public:
  ReportCounter() {
    previous_ = platform::setReportHandler([this](const platform::UntrappedError&) {
      ++reports;
      return platform::ReportAnswer::Continue;
    });
  }
  ~ReportCounter() { platform::setReportHandler(previous_); }
  ReportCounter(const ReportCounter&) = delete;
  ReportCounter& operator=(const ReportCounter&) = delete;

  int reports = 0;

 private:
  platform::ReportHandler previous_;
};

// The bytes of a file of CR LF lines.
inline std::string crlf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace imports::enginetest
