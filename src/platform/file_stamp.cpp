#include "platform/file_stamp.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace platform {

std::optional<FileStamp> fileStamp(std::string_view path) {
  if (path.empty()) return std::nullopt;
  // From char8_t, so that Windows reads the name as UTF-8 rather than in its ANSI code page.
  const std::string utf8 = nativePath(path);
  const std::filesystem::path native(std::u8string(utf8.begin(), utf8.end()));
  std::error_code error;
  if (!std::filesystem::is_regular_file(native, error) || error) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(native, error);
  if (error) return std::nullopt;
  const std::filesystem::file_time_type modified = std::filesystem::last_write_time(native, error);
  if (error) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<int64_t>(size);
  stamp.modifiedNanoseconds =
      std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
  return stamp;
}

}  // namespace platform
