// Reading from numbered files: text lines, numbers, bytes and the end-of-file test.
#include <bit>
#include <cstdint>
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

// The first carriage return or byte 26 in [p, end), or end. Eight bytes are looked at in one step:
// most lines of the game's files are shorter than that.
const char* findLineEnd(const char* p, const char* end) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHighBits = 0x8080808080808080ULL;
    constexpr uint64_t kReturns = kOnes * static_cast<unsigned char>(kCarriageReturn);
    constexpr uint64_t kEnds = kOnes * static_cast<unsigned char>(kEndOfText);
    while (end - p >= 8) {
      uint64_t word = 0;
      std::memcpy(&word, p, sizeof word);
      const uint64_t returns = word ^ kReturns;
      const uint64_t ends = word ^ kEnds;
      // The lowest high bit set marks the first byte that is zero in `returns` or in `ends`.
      const uint64_t hits = ((returns - kOnes) & ~returns & kHighBits) | ((ends - kOnes) & ~ends & kHighBits);
      if (hits != 0) return p + (std::countr_zero(hits) / 8);
      p += 8;
    }
  }
  while (p < end && *p != kCarriageReturn && *p != kEndOfText) ++p;
  return p;
}

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
    const char* stop = findLineEnd(begin, begin + ahead);
    const size_t length = static_cast<size_t>(stop - begin);
    line.append(begin, length);
    file.position += static_cast<int64_t>(length);
    if (length == ahead) continue;  // the line goes on past the cache
    if (*stop == kEndOfText) return LineResult::Line;
    ++file.position;  // the carriage return
    if ((error = peekByte(file, next)) != 0) return LineResult::Failed;
    if (next == kLineFeed) ++file.position;
    return LineResult::Line;
  }
}

void reportPastEnd(OpenFileEntry& entry) {
  if (entry.pastEndOnce && entry.pastEndReported) return;
  entry.pastEndReported = true;
  raiseError(kErrInputPastEnd);
}

// The line at the position when all of it, its line end included, lies in the cache: the common
// case, served without copying. False when the line needs the slow road (it runs past the cache, or
// the cache is empty).
bool cachedLine(BufferedFile& file, std::string_view& line) {
  const size_t ahead = cachedBytesAhead(file);
  if (ahead == 0) return false;
  const char* begin = cachedData(file);
  const char* end = begin + ahead;
  const char* p = findLineEnd(begin, end);
  if (p == end) return false;
  if (p == begin && *p == kEndOfText) return false;  // the end of the file: the slow road reports it
  const size_t length = static_cast<size_t>(p - begin);
  if (*p == kEndOfText) {
    line = std::string_view(begin, length);
    file.position += static_cast<int64_t>(length);
    return true;
  }
  // Whether a line feed follows is only known when the byte after the carriage return is cached.
  if (p + 1 == end) return false;
  line = std::string_view(begin, length);
  file.position += static_cast<int64_t>(length) + (p[1] == kLineFeed ? 2 : 1);
  return true;
}

// Lines that run past the cache are put together here; one per process is enough, as a view is
// used before the next read.
std::string& lineScratch() {
  static std::string scratch;
  return scratch;
}

// The next line as a view into the cache, or, when it runs past the cache, put together in the
// scratch line. The view holds until the next operation on a file.
LineResult nextLineView(BufferedFile& file, std::string_view& line, int& error) {
  if (cachedLine(file, line)) return LineResult::Line;
  std::string& scratch = lineScratch();
  const LineResult result = readTextLine(file, scratch, error);
  line = result == LineResult::Line ? std::string_view(scratch) : std::string_view();
  return result;
}

// Counts one operation on a file open for Input; nullptr after raising the error.
OpenFileEntry* inputEntryOrRaise(int fileNumber) {
  if (!beginFileOperation()) return nullptr;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return nullptr;
  if (entry->mode != FileMode::Input) {
    raiseError(kErrBadFileMode);
    return nullptr;
  }
  return entry;
}

// Reads the next line of an Input file; false (and `line` empty) once the error has been raised.
bool nextLine(int fileNumber, std::string_view& line) {
  line = {};
  OpenFileEntry* entry = inputEntryOrRaise(fileNumber);
  if (entry == nullptr) return false;
  int error = 0;
  switch (nextLineView(entry->file, line, error)) {
    case LineResult::Line:
      return true;
    case LineResult::End:
      reportPastEnd(*entry);
      return false;
    case LineResult::Failed:
      raiseError(os::ioErrorNumber(error));
      return false;
  }
  return false;
}

}  // namespace

LineCopy copyLines(int sourceNumber, int targetNumber, int count) {
  LineCopy copy;
  if (count <= 0) return copy;
  OpenFileEntry* source = inputEntryOrRaise(sourceNumber);
  if (source == nullptr) return copy;
  OpenFileEntry* target = writableEntryOrRaise(targetNumber);
  if (target == nullptr) {
    copy.writeFailed = true;
    return copy;
  }
  BufferedFile& in = source->file;
  auto written = [&](const char* data, size_t size) {
    if (int error = writeData(target->file, data, size)) {
      raiseError(os::ioErrorNumber(error));
      copy.writeFailed = true;
      return false;
    }
    return true;
  };
  while (copy.lines < count) {
    // The cached lines that already end in CR LF go out as one block, as they are.
    const size_t ahead = cachedBytesAhead(in);
    const char* begin = ahead > 0 ? cachedData(in) : nullptr;
    const char* end = begin + ahead;
    const char* next = begin;
    while (copy.lines < count) {
      const char* p = findLineEnd(next, end);
      if (end - p < 2 || p[0] != kCarriageReturn || p[1] != kLineFeed) break;
      next = p + 2;
      ++copy.lines;
    }
    if (next != begin) {
      const size_t size = static_cast<size_t>(next - begin);
      in.position += static_cast<int64_t>(size);
      if (!written(begin, size)) return copy;
      continue;
    }
    // Any other line is read and written as a line of its own: its end becomes CR LF.
    std::string& line = lineScratch();
    int error = 0;
    switch (readTextLine(in, line, error)) {
      case LineResult::Line:
        line += "\r\n";
        if (!written(line.data(), line.size())) return copy;
        ++copy.lines;
        break;
      case LineResult::End:
        reportPastEnd(*source);
        return copy;
      case LineResult::Failed:
        raiseError(os::ioErrorNumber(error));
        return copy;
    }
  }
  return copy;
}

int skipLines(int fileNumber, int count) {
  if (count <= 0) return 0;
  OpenFileEntry* entry = inputEntryOrRaise(fileNumber);
  if (entry == nullptr) return 0;
  int skipped = 0;
  std::string_view line;
  for (; skipped < count; ++skipped) {
    int error = 0;
    const LineResult result = nextLineView(entry->file, line, error);
    if (result == LineResult::End) break;
    if (result == LineResult::Failed) {
      raiseError(os::ioErrorNumber(error));
      break;
    }
  }
  return skipped;
}

std::string readLine(int fileNumber) {
  return std::string(readLineView(fileNumber));
}

std::string_view readLineView(int fileNumber) {
  std::string_view line;
  nextLine(fileNumber, line);
  return line;
}

int32_t readNumber(int fileNumber) {
  std::string_view line;
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
      raiseError(os::ioErrorNumber(error));
      return true;
    }
    return next < 0 || next == kEndOfText;
  }
  int64_t size = 0;
  if (int error = fileSize(file, size)) {
    raiseError(os::ioErrorNumber(error));
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
    raiseError(os::ioErrorNumber(error));
  }
  return done;
}

}  // namespace platform
