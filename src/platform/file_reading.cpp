// Reading from numbered files: text lines, numbers, bytes and the end-of-file test.
#include <cstring>

#include "platform/errors.h"
#include "platform/file_table.h"
#include "platform/files.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfText = 26;

enum class LineResult { Line, End, Failed };

// Reads the next line of a text file into `line`. Byte 26 is never consumed, so the file stays at
// its end there.
LineResult readTextLine(BufferedFile& file, std::string& line, int& error) {
  line.clear();
  int next = -1;
  if ((error = peekByte(file, next)) != 0) return LineResult::Failed;
  if (next < 0 || next == kEndOfText) return LineResult::End;
  for (;;) {
    size_t ahead = cachedBytesAhead(file);
    if (ahead == 0) {
      if ((error = fillCache(file)) != 0) return LineResult::Failed;
      if (file.cacheSize == 0) return LineResult::Line;  // the last line has no line end
      ahead = cachedBytesAhead(file);
    }
    const char* begin = cachedData(file);
    const char* lineEnd = static_cast<const char*>(std::memchr(begin, kCarriageReturn, ahead));
    size_t length = lineEnd != nullptr ? static_cast<size_t>(lineEnd - begin) : ahead;
    if (const void* stop = std::memchr(begin, kEndOfText, length)) {
      length = static_cast<size_t>(static_cast<const char*>(stop) - begin);
      line.append(begin, length);
      file.position += static_cast<int64_t>(length);
      return LineResult::Line;
    }
    line.append(begin, length);
    file.position += static_cast<int64_t>(length);
    if (lineEnd != nullptr) {
      ++file.position;
      if ((error = peekByte(file, next)) != 0) return LineResult::Failed;
      if (next == kLineFeed) ++file.position;
      return LineResult::Line;
    }
  }
}

void reportPastEnd(OpenFileEntry& entry) {
  if (entry.pastEndOnce && entry.pastEndReported) return;
  entry.pastEndReported = true;
  raiseError(kErrInputPastEnd);
}

// Reads the next line of an Input file; false (and `line` empty) once the error has been raised.
bool nextLine(int fileNumber, std::string& line) {
  line.clear();
  if (!beginFileOperation()) return false;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return false;
  if (entry->mode != FileMode::Input) {
    raiseError(kErrBadFileMode);
    return false;
  }
  int error = 0;
  switch (readTextLine(entry->file, line, error)) {
    case LineResult::Line:
      return true;
    case LineResult::End:
      reportPastEnd(*entry);
      return false;
    case LineResult::Failed:
      line.clear();
      raiseError(ioErrorNumber(error));
      return false;
  }
  return false;
}

}  // namespace

std::string readLine(int fileNumber) {
  std::string line;
  nextLine(fileNumber, line);
  return line;
}

int32_t readNumber(int fileNumber) {
  std::string line;
  if (!nextLine(fileNumber, line)) return 0;
  return numberOnLine(line);
}

bool endOfFile(int fileNumber) {
  if (!beginFileOperation()) return true;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return true;
  BufferedFile& file = entry->file;
  if (entry->mode == FileMode::Input) {
    int next = -1;
    if (int error = peekByte(file, next)) {
      raiseError(ioErrorNumber(error));
      return true;
    }
    return next < 0 || next == kEndOfText;
  }
  int64_t size = 0;
  if (int error = fileSize(file, size)) {
    raiseError(ioErrorNumber(error));
    return true;
  }
  return file.position >= size;
}

size_t readBytes(int fileNumber, int64_t position, void* buffer, size_t count) {
  if (!beginFileOperation()) return 0;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return 0;
  if (entry->mode == FileMode::Output || entry->mode == FileMode::Append) {
    raiseError(kErrBadFileMode);
    return 0;
  }
  if (position < 0) {
    raiseError(kErrBadRecordNumber);
    return 0;
  }
  if (position > 0) entry->file.position = position - 1;
  size_t done = 0;
  if (int error = readData(entry->file, static_cast<char*>(buffer), count, done)) {
    raiseError(ioErrorNumber(error));
  }
  return done;
}

}  // namespace platform
