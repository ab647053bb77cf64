#include "import/database_findings.h"

#include <unordered_set>

namespace imports {
namespace {

// What makes two findings the same fault.
std::string identityOf(const DatabaseFinding& finding) {
  std::string identity = std::to_string(static_cast<int>(finding.kind));
  for (const std::string* part : {&finding.file, &finding.recordNoun, &finding.field}) {
    identity += '\n';
    identity += *part;
  }
  identity += '\n' + std::to_string(finding.record) + '\n' + std::to_string(finding.value);
  return identity;
}

}  // namespace

std::string describeFinding(const DatabaseFinding& finding) {
  std::string text = finding.file;
  if (!finding.recordNoun.empty()) {
    text += ", " + finding.recordNoun + " " + std::to_string(finding.record);
    if (!finding.recordName.empty()) text += " (" + finding.recordName + ")";
  }
  if (!finding.field.empty()) text += ", " + finding.field;
  return text + ": " + finding.problem;
}

DatabaseFinding makeFinding(FindingKind kind, std::string file, std::string field, std::string problem,
                            int64_t value) {
  return makeRecordFinding(kind, std::move(file), "", 0, "", std::move(field), std::move(problem), value);
}

DatabaseFinding makeRecordFinding(FindingKind kind, std::string file, std::string recordNoun, int32_t record,
                                  std::string recordName, std::string field, std::string problem,
                                  int64_t value) {
  DatabaseFinding finding;
  finding.kind = kind;
  finding.file = std::move(file);
  finding.recordNoun = std::move(recordNoun);
  finding.record = record;
  finding.recordName = std::move(recordName);
  finding.field = std::move(field);
  finding.value = value;
  finding.problem = std::move(problem);
  finding.text = describeFinding(finding);
  return finding;
}

std::string counted(int64_t count, std::string_view singular, std::string_view plural) {
  return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

DatabaseFindings newFindings(const DatabaseFindings& before, const DatabaseFindings& after) {
  std::unordered_set<std::string> known;
  known.reserve(before.size());
  for (const DatabaseFinding& finding : before) known.insert(identityOf(finding));
  DatabaseFindings fresh;
  for (const DatabaseFinding& finding : after) {
    if (!known.contains(identityOf(finding))) fresh.push_back(finding);
  }
  return fresh;
}

}  // namespace imports
