#include "settings/conf_file.h"

#include <vector>

#include "platform/errors.h"
#include "platform/file_failure.h"
#include "platform/files.h"
#include "platform/text.h"

namespace settings {
namespace {

constexpr std::string_view kHexMarker = "[HEX#]";

enum class MoveResult { Moved, Failed, AcrossDevices };

// Puts `source` in place of `target` in one step. A refusal because the two lie on different
// devices is held back (the caller copies instead); any other failure is raised as usual.
MoveResult moveOver(std::string_view source, std::string_view target) {
  std::vector<platform::UntrappedError> failures;
  {
    platform::ErrorTrap trap;
    if (platform::replaceFile(source, target)) return MoveResult::Moved;
    failures = trap.errors();
  }
  if (failures.size() == 1 && failures.front().number == platform::kErrRenameAcrossDisks) {
    return MoveResult::AcrossDevices;
  }
  for (const platform::UntrappedError& failure : failures) platform::raiseError(failure.number);
  return MoveResult::Failed;
}

bool startsWithScrambleMark(std::string_view line) {
  return !line.empty() && line.front() == '_';
}

// The line is a setting of the key that `prefix` (lower-case key and "=") stands for.
bool matchesPrefix(std::string_view line, std::string_view prefix) {
  return platform::lowerCaseAscii(line.substr(0, prefix.size())) == prefix;
}

std::string settingPrefix(std::string_view key) {
  return platform::lowerCaseAscii(key) + "=";
}

// Bytes a text line cannot hold and still be read back as the same line.
constexpr std::string_view kUnreadableInLine("\x1A\r", 2);

void createIfMissing(std::string_view fileName) {
  platform::OpenedFile file;
  file.open(fileName, platform::FileMode::Append);
}

// Writes the updated settings file to `tempName`, trimmed and unscrambled; true only when every
// read and write succeeded and the copy is on disk.
bool writeUpdatedCopy(std::string_view fileName, std::string_view key, std::string_view value,
                      std::string_view tempName, const platform::ErrorTrap& trap) {
  const std::string prefix = settingPrefix(key);
  platform::OpenedFile input;
  if (!input.open(fileName, platform::FileMode::Input)) return false;
  platform::OpenedFile output;
  if (!output.open(tempName, platform::FileMode::Output)) return false;

  bool matched = false;
  while (!trap.failed() && !platform::endOfFile(input.number())) {
    std::string line(platform::trimmed(platform::readLine(input.number())));
    if (startsWithScrambleMark(line)) {
      // A line whose plain text would not read back as that one line (a byte 26 ends a text file, a
      // carriage return ends the line) stays scrambled: written plain, it would hide every later
      // setting, the one being set among them.
      std::string plain = QUICKCRYPT(line, 0);
      if (matchesPrefix(plain, prefix) || plain.find_first_of(kUnreadableInLine) == std::string::npos) {
        line = std::move(plain);
      }
    }
    if (matchesPrefix(line, prefix)) {
      line = line.substr(0, prefix.size()) + std::string(value);
      matched = true;
    }
    platform::writeLine(output.number(), line);
  }
  if (!matched) platform::writeLine(output.number(), std::string(key) + "=" + std::string(value));
  platform::flushFile(output.number());
  output.close();
  input.close();
  return !trap.failed();
}

// Copies the finished temporary file line by line to a companion beside the settings file, for
// when the temporary file cannot be renamed across devices.
bool copyBesideTarget(std::string_view tempName, std::string_view companion,
                      const platform::ErrorTrap& trap) {
  platform::OpenedFile input;
  if (!input.open(tempName, platform::FileMode::Input)) return false;
  platform::OpenedFile output;
  if (!output.open(companion, platform::FileMode::Output)) return false;
  while (!trap.failed() && !platform::endOfFile(input.number())) {
    platform::writeLine(output.number(), platform::readLine(input.number()));
  }
  platform::flushFile(output.number());
  output.close();
  input.close();
  return !trap.failed();
}

void commitUpdatedCopy(std::string_view fileName, std::string_view tempName,
                       const platform::ErrorTrap& trap) {
  if (moveOver(tempName, fileName) != MoveResult::AcrossDevices) return;
  const std::string companion = std::string(fileName) + ".new";
  if (copyBesideTarget(tempName, companion, trap)) moveOver(companion, fileName);
  if (platform::fileExists(companion)) platform::deleteFile(companion);
}

// The value of the first setting named `key` in an existing file, hexadecimal values decoded.
std::string lookUp(std::string_view fileName, std::string_view key) {
  const std::string prefix = settingPrefix(key);
  std::string value;
  platform::OpenedFile file;
  if (file.open(fileName, platform::FileMode::Input)) {
    while (!platform::endOfFile(file.number())) {
      std::string line = platform::readLine(file.number());
      if (startsWithScrambleMark(line)) line = QUICKCRYPT(line, 0);
      std::string_view trimmed = platform::trimmed(line);
      if (matchesPrefix(trimmed, prefix)) {
        value = trimmed.substr(prefix.size());
        break;
      }
    }
    file.close();
  }
  if (value.starts_with(kHexMarker)) value = HEXDECODE(value);
  return value;
}

}  // namespace

std::string GETCONFSETTING(std::string_view fileName, std::string_view key) {
  platform::ProcedureScope scope("GETCONFSETTING");
  createIfMissing(fileName);
  return lookUp(fileName, key);
}

std::string readConfSetting(std::string_view fileName, std::string_view key) {
  platform::ProcedureScope scope("GETCONFSETTING");
  if (!platform::fileExists(fileName)) return "";
  return lookUp(fileName, key);
}

void PUTCONFSETTING(std::string_view fileName, std::string_view key, std::string_view value) {
  platform::ProcedureScope scope("PUTCONFSETTING");
  std::vector<platform::UntrappedError> failures;
  {
    // Failures are collected so that nothing replaces the settings file after one of them; they
    // are reported once the old file is safe again.
    platform::ErrorTrap trap;
    createIfMissing(fileName);
    if (writeUpdatedCopy(fileName, key, platform::trimmed(value), kTempSettingsFile, trap)) {
      commitUpdatedCopy(fileName, kTempSettingsFile, trap);
    }
    if (platform::fileExists(kTempSettingsFile)) platform::deleteFile(kTempSettingsFile);
    failures = trap.errors();
  }
  for (const platform::UntrappedError& failure : failures) platform::raiseError(failure.number);
}

}  // namespace settings
