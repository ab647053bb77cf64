#include "import/record_file_scan.h"

#include <algorithm>
#include <climits>

#include "platform/files.h"
#include "platform/text.h"
#include "services/events.h"

namespace imports {
namespace {

constexpr int kMemberCountLine = 2;

class Pass {
 public:
  Pass(const std::string& path, RecordFileScan& scan) : path_(path), scan_(scan) {}

  // False once an operation has failed; the failure is then in the scan.
  bool ok(const char* operation) {
    if (!trap_.failed()) return true;
    scan_.failure = trap_.take(operation, path_);
    return false;
  }

 private:
  FileErrorTrap trap_;
  const std::string& path_;
  RecordFileScan& scan_;
};

// Reads the count line; the file is not at its end.
void readCountLine(int fileNumber, RecordFileScan& scan) {
  scan.hasCountLine = true;
  scan.countLine = platform::readLine(fileNumber);
  const std::optional<int32_t> stated = platform::numberIfOnLine(scan.countLine);
  scan.countValid = stated && *stated >= 0;
  scan.stated = scan.countValid ? *stated : 0;
}

}  // namespace

RecordFileScan scanRecordFile(const std::string& path, const RecordFileLayout& layout,
                              const RecordVisitor& visit) {
  RecordFileScan scan;
  // Made before the file, so that it outlives it: an error of its closing is still caught.
  Pass pass(path, scan);
  scan.exists = platform::fileExists(path);
  if (!pass.ok("find") || !scan.exists) return scan;

  OpenedFile file;
  file.open(path, platform::FileMode::Input);
  if (!pass.ok("open")) return scan;
  const int number = file.number();

  bool atEnd = platform::endOfFile(number);
  if (!pass.ok("read")) return scan;
  if (atEnd) return scan;
  readCountLine(number, scan);
  if (!pass.ok("read")) return scan;

  const int32_t kept = std::max(layout.keptLines, layout.memberLines ? kMemberCountLine : 0);
  exports::RecordLines lines(static_cast<size_t>(kept) + 1);
  for (int32_t record = 1;; ++record) {
    services::keepResponsive();
    atEnd = platform::endOfFile(number);
    if (!pass.ok("read")) return scan;
    if (atEnd) break;
    scan.recordStarts.push_back(platform::filePosition(number));

    int64_t length = layout.linesPerRecord;
    int64_t read = 0;
    for (; read < kept && read < length; ++read) {
      if (read > 0) {
        atEnd = platform::endOfFile(number);
        if (!pass.ok("read")) return scan;
        if (atEnd) break;
      }
      const std::string_view line = platform::readLineView(number);
      if (!pass.ok("read")) return scan;
      lines[static_cast<size_t>(read + 1)].assign(line);
      if (layout.memberLines && read + 1 == kMemberCountLine) {
        length += std::max(platform::numberOnLine(lines[kMemberCountLine]), 0);
      }
    }
    for (int64_t n = read + 1; n <= kept; ++n) lines[static_cast<size_t>(n)].clear();
    if (read == std::min<int64_t>(kept, length) && read < length) {
      // A stable's member count may promise more lines than a skip can take at once.
      for (int64_t rest = length - read; rest > 0;) {
        const int step = static_cast<int>(std::min<int64_t>(rest, INT_MAX));
        const int skipped = platform::skipLines(number, step);
        if (!pass.ok("read")) return scan;
        read += skipped;
        rest -= skipped;
        if (skipped < step) break;
      }
    }

    if (read == length) {
      ++scan.records;
    } else {
      scan.leftoverLines = static_cast<int32_t>(std::min<int64_t>(read, INT32_MAX));
    }
    if (visit && record <= scan.stated) visit(record, lines);
    if (read < length) break;
  }
  file.close();
  pass.ok("close");
  return scan;
}

}  // namespace imports
