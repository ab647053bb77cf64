// The settings reader and writer: a settings file that is the input after its first two lines, which
// name a key and a value. The key is looked up, set, looked up again, and the game options are read
// from the file. A plain key set to a plain value reads back as that value.
#include <algorithm>
#include <string>

#include "fuzz_environment.h"
#include "fuzz_target.h"
#include "platform/files.h"
#include "platform/text.h"
#include "settings/conf_file.h"
#include "settings/game_options.h"

namespace {

std::string_view takeLine(std::string_view& rest) {
  const size_t end = std::min(rest.find('\n'), rest.size());
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(std::min(end + 1, rest.size()));
  return line;
}

bool plainKey(std::string_view key) {
  return !key.empty() && key.front() != '_' && std::all_of(key.begin(), key.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
}

bool plainValue(std::string_view value) {
  return !value.starts_with("[HEX#]") && !value.starts_with("[hex#]") &&
         std::all_of(value.begin(), value.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

ZOR_FUZZ_TARGET(settings) {
  fuzzing::prepareProgram();
  std::string_view rest = fuzzing::bytesOf(data, size);
  const std::string key(takeLine(rest));
  const std::string value(takeLine(rest));
  const std::string path = fuzzing::writeInput("fuzz.cnf", rest);

  settings::GETCONFSETTING(path, key);
  settings::PUTCONFSETTING(path, key, value);
  const std::string readBack = settings::GETCONFSETTING(path, key);
  if (plainKey(key) && plainValue(value)) {
    fuzzing::check(readBack == platform::trimmed(value),
                   "\"" + key + "\" set to \"" + value + "\" reads back as \"" + readBack + "\"");
  }
  settings::GameOptions options;
  settings::LOADZOROPTIONS(path, options);
  platform::closeAllFiles();
  return 0;
}
