#include "import/index_check.h"

#include <algorithm>
#include <optional>

#include "import/file_lines.h"
#include "platform/text.h"

namespace imports {

void checkIndex(const IndexedFile& file, DatabaseFindings& findings) {
  const FileLines index = readFileLines(file.indexPath);
  if (index.failure) {
    findings.push_back(makeFinding(FindingKind::UnreadableFile, file.indexName, "",
                                   "cannot be read: " + describeFailure(*index.failure)));
    return;
  }
  if (!index.exists) return;

  const std::vector<int64_t>& starts = file.recordStarts;
  if (index.lines.size() != starts.size()) {
    findings.push_back(makeFinding(
        FindingKind::IndexLength, file.indexName, "",
        "has " + counted(static_cast<int64_t>(index.lines.size()), "entry", "entries") + ", but " +
            file.recordName + " has " + counted(static_cast<int64_t>(starts.size()), "record", "records")));
  }

  const size_t common = std::min(index.lines.size(), starts.size());
  size_t firstWrong = common;
  size_t wrong = 0;
  for (size_t k = 0; k < common; ++k) {
    if (platform::numberIfOnLine(index.lines[k]) == starts[k]) continue;
    if (wrong++ == 0) firstWrong = k;
  }
  if (wrong == 0) return;
  const std::string& entry = index.lines[firstWrong];
  const std::optional<int32_t> position = platform::numberIfOnLine(entry);
  std::string problem = (position ? "says byte " + std::to_string(*position) : "holds \"" + entry + "\"") +
                        ", but " + file.recordNoun + " " + std::to_string(firstWrong + 1) +
                        " begins at byte " + std::to_string(starts[firstWrong]);
  if (wrong > 1)
    problem += "; " + std::to_string(wrong) + " of its " + std::to_string(common) + " entries are wrong";
  findings.push_back(makeFinding(FindingKind::IndexStale, file.indexName,
                                 "entry " + std::to_string(firstWrong + 1), problem));
}

}  // namespace imports
