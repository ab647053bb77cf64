#include "import/file_lines.h"

#include "platform/files.h"
#include "services/events.h"

namespace imports {

FileLines readFileLines(const std::string& path) {
  FileLines file;
  FileErrorTrap trap;
  file.exists = platform::fileExists(path);
  if ((file.failure = trap.take("find", path)) || !file.exists) return file;
  OpenedFile opened;
  opened.open(path, platform::FileMode::Input);
  if ((file.failure = trap.take("open", path))) return file;
  for (;;) {
    services::keepResponsive();
    const bool atEnd = platform::endOfFile(opened.number());
    if ((file.failure = trap.take("read", path)) || atEnd) break;
    file.lines.push_back(platform::readLine(opened.number()));
    if ((file.failure = trap.take("read", path))) break;
  }
  opened.close();
  if (!file.failure) file.failure = trap.take("close", path);
  return file;
}

}  // namespace imports
