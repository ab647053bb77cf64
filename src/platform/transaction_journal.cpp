#include "platform/transaction_journal.h"

#include <string_view>
#include <vector>

#include "platform/secure_hash.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr std::string_view kHeader = "ZOR file transaction 1";
constexpr std::string_view kLabel = "label ";
constexpr std::string_view kEnd = "end ";
constexpr std::string_view kReplace = "replace";
constexpr std::string_view kRemove = "remove";
constexpr char kField = '|';

std::string stepLine(const TransactionStep& step) {
  const std::string_view action = step.what == TransactionStep::Action::Replace ? kReplace : kRemove;
  std::string line(action);
  for (const std::string* field :
       {&step.newFile, &step.target, &step.backup, &step.newDigest, &step.oldDigest}) {
    line += kField;
    line += *field;
  }
  return line;
}

std::optional<TransactionStep> parseStep(const std::string& line) {
  const std::vector<std::string_view> fields = split(line, kField);
  if (fields.size() != 6) return std::nullopt;
  TransactionStep step;
  if (fields[0] == kReplace) {
    step.what = TransactionStep::Action::Replace;
    if (fields[1].empty() || fields[4].empty()) return std::nullopt;
  } else if (fields[0] == kRemove) {
    step.what = TransactionStep::Action::Remove;
  } else {
    return std::nullopt;
  }
  step.newFile = std::string(fields[1]);
  step.target = std::string(fields[2]);
  step.backup = std::string(fields[3]);
  step.newDigest = std::string(fields[4]);
  step.oldDigest = std::string(fields[5]);
  if (step.target.empty()) return std::nullopt;
  return step;
}

std::string digestOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return textDigest(text);
}

std::string endLine(const std::vector<std::string>& lines, size_t steps) {
  return std::string(kEnd) + std::to_string(steps) + " " + digestOf(lines);
}

bool holdsLineEnd(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::optional<FileFailure> writeJournal(const std::string& path, const Transaction& transaction) {
  std::vector<std::string> lines{std::string(kHeader), std::string(kLabel) + transaction.label};
  for (const TransactionStep& step : transaction.steps) lines.push_back(stepLine(step));
  for (const std::string& line : lines) {
    if (holdsLineEnd(line)) return fileFailure("write", path, kErrBadFileName);
  }
  lines.push_back(endLine(lines, transaction.steps.size()));

  FileErrorTrap trap;
  OpenedFile file;
  file.open(path, FileMode::Output);
  if (auto failure = trap.take("open", path)) return failure;
  for (const std::string& line : lines) {
    writeLine(file.number(), line);
    if (auto failure = trap.take("write", path)) return failure;
  }
  flushFile(file.number());
  if (auto failure = trap.take("flush", path)) return failure;
  file.close();
  return trap.take("close", path);
}

JournalRead readJournal(const std::string& path) {
  JournalRead read;
  FileErrorTrap trap;
  OpenedFile file;
  file.open(path, FileMode::Input);
  if ((read.failure = trap.take("open", path))) return read;
  std::vector<std::string> lines;
  for (;;) {
    const bool atEnd = endOfFile(file.number());
    if ((read.failure = trap.take("read", path))) return read;
    if (atEnd) break;
    lines.push_back(readLine(file.number()));
    if ((read.failure = trap.take("read", path))) return read;
  }
  file.close();

  if (lines.size() < 3 || lines.front() != kHeader || !lines[1].starts_with(kLabel)) return read;
  const std::string closing = lines.back();
  lines.pop_back();
  const size_t steps = lines.size() - 2;
  if (closing != endLine(lines, steps)) return read;
  read.journal.label = lines[1].substr(kLabel.size());
  for (size_t i = 2; i < lines.size(); ++i) {
    std::optional<TransactionStep> step = parseStep(lines[i]);
    if (!step) {
      read.journal.steps.clear();
      return read;
    }
    read.journal.steps.push_back(std::move(*step));
  }
  read.complete = true;
  return read;
}

}  // namespace platform
