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
  const std::string_view action = step.What == TransactionStep::Action::Replace ? kReplace : kRemove;
  std::string line(action);
  for (const std::string* field :
       {&step.NewFile, &step.Target, &step.Backup, &step.NewDigest, &step.OldDigest}) {
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
    step.What = TransactionStep::Action::Replace;
    if (fields[1].empty() || fields[4].empty()) return std::nullopt;
  } else if (fields[0] == kRemove) {
    step.What = TransactionStep::Action::Remove;
  } else {
    return std::nullopt;
  }
  step.NewFile = std::string(fields[1]);
  step.Target = std::string(fields[2]);
  step.Backup = std::string(fields[3]);
  step.NewDigest = std::string(fields[4]);
  step.OldDigest = std::string(fields[5]);
  if (step.Target.empty()) return std::nullopt;
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
  std::vector<std::string> lines{std::string(kHeader), std::string(kLabel) + transaction.Label};
  for (const TransactionStep& step : transaction.Steps) lines.push_back(stepLine(step));
  for (const std::string& line : lines) {
    if (holdsLineEnd(line)) return fileFailure("write", path, kErrBadFileName);
  }
  lines.push_back(endLine(lines, transaction.Steps.size()));

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
  if ((read.Failure = trap.take("open", path))) return read;
  std::vector<std::string> lines;
  for (;;) {
    const bool atEnd = endOfFile(file.number());
    if ((read.Failure = trap.take("read", path))) return read;
    if (atEnd) break;
    lines.push_back(readLine(file.number()));
    if ((read.Failure = trap.take("read", path))) return read;
  }
  file.close();

  if (lines.size() < 3 || lines.front() != kHeader || !lines[1].starts_with(kLabel)) return read;
  const std::string closing = lines.back();
  lines.pop_back();
  const size_t steps = lines.size() - 2;
  if (closing != endLine(lines, steps)) return read;
  read.Journal.Label = lines[1].substr(kLabel.size());
  for (size_t i = 2; i < lines.size(); ++i) {
    std::optional<TransactionStep> step = parseStep(lines[i]);
    if (!step) {
      read.Journal.Steps.clear();
      return read;
    }
    read.Journal.Steps.push_back(std::move(*step));
  }
  read.Complete = true;
  return read;
}

}  // namespace platform
