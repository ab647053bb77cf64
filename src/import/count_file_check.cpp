#include "import/count_file_check.h"

#include "import/file_lines.h"
#include "platform/text.h"

namespace imports {
namespace {

constexpr size_t kCountLines = 3;
constexpr std::string_view kCountFileName = "zor.inf";

std::string countLineSays(const ExpectedCount& expected) {
  return "the count line of " + expected.recordFile + " says " + std::to_string(*expected.count);
}

}  // namespace

void checkCountFile(const std::string& path, const std::array<ExpectedCount, 3>& expected,
                    DatabaseFindings& findings) {
  const std::string file(kCountFileName);
  const FileLines counts = readFileLines(path);
  if (counts.failure) {
    findings.push_back(makeFinding(FindingKind::UnreadableFile, file, "",
                                   "cannot be read: " + describeFailure(*counts.failure)));
    return;
  }
  if (!counts.exists) return;

  for (size_t n = 0; n < kCountLines; ++n) {
    const ExpectedCount& wanted = expected[n];
    const std::string field = "line " + std::to_string(n + 1);
    if (n >= counts.lines.size()) {
      std::string problem = "missing (the count of " + wanted.plural + ")";
      if (wanted.count) problem = "missing; " + countLineSays(wanted);
      findings.push_back(makeFinding(FindingKind::CountFileMismatch, file, field, problem));
      continue;
    }
    const std::optional<int32_t> count = platform::numberIfOnLine(counts.lines[n]);
    if (!count) {
      std::string problem = "holds \"" + counts.lines[n] + "\", which is no count of " + wanted.plural;
      if (wanted.count) problem += "; " + countLineSays(wanted);
      findings.push_back(makeFinding(FindingKind::CountFileMismatch, file, field, problem));
      continue;
    }
    if (wanted.count && *count != *wanted.count) {
      findings.push_back(makeFinding(
          FindingKind::CountFileMismatch, file, field,
          "says " + counted(*count, wanted.singular, wanted.plural) + ", but " + countLineSays(wanted)));
    }
  }
  if (counts.lines.size() > kCountLines) {
    findings.push_back(
        makeFinding(FindingKind::CountFileLength, file, "",
                    counted(static_cast<int64_t>(counts.lines.size() - kCountLines), "line", "lines") +
                        " after the three counts"));
  }
}

}  // namespace imports
