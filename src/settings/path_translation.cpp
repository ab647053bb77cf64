#include "settings/path_translation.h"

#include <optional>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace settings {
namespace {

constexpr std::string_view kStoredInstallFolder = "c:\\zor7se";
constexpr std::string_view kLocalExchangeFolder = "c:\\zor_xchg\\";
constexpr std::string_view kStoredExchangeFolder = "t:\\";
// The path buffer handed to the system: a longer answer does not fit.
constexpr size_t kPathBufferSize = 1000;

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  size_t position = 0;
  while ((position = text.find(from, position)) != std::string::npos) {
    text.replace(position, from.size(), to);
    position += to.size();
  }
  return text;
}

// Paths of this platform separate folders with "/", the game's with "\".
size_t afterLastSeparator(std::string_view path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

std::optional<std::string> fitting(std::optional<std::string> path) {
  if (path && path->size() >= kPathBufferSize) return std::nullopt;
  return path;
}

}  // namespace

std::string TRANSLATEPATH(std::string_view path, std::string_view installFolder) {
  platform::ProcedureScope scope("TRANSLATEPATH");
  std::string result = platform::lowerCaseAscii(path);
  std::string folder(installFolder);
  if (folder == ".") folder = platform::currentDirectory();
  folder = platform::lowerCaseAscii(folder);

  const bool inInstallFolder = !folder.empty() && result.find(folder) != std::string::npos;
  if (inInstallFolder || result.starts_with(kLocalExchangeFolder)) {
    std::optional<std::string> shortForm = fitting(platform::shortPathName(result));
    if (!shortForm) return result;
    result = replaceAll(result, kLocalExchangeFolder, kStoredExchangeFolder);
    if (!folder.empty()) result = replaceAll(result, folder, kStoredInstallFolder);
    result = result.substr(0, afterLastSeparator(result)) + shortForm->substr(afterLastSeparator(*shortForm));
    return result;
  }

  result = replaceAll(result, kStoredExchangeFolder, kLocalExchangeFolder);
  if (!folder.empty()) result = replaceAll(result, kStoredInstallFolder, folder);
  std::optional<std::string> longForm = fitting(platform::longPathName(result));
  return longForm ? *longForm : result;
}

}  // namespace settings
