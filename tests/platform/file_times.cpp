#include <chrono>
#include <filesystem>

#include "platform_test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform_test {

void shiftModifiedTime(const std::string& path, std::chrono::nanoseconds delta) {
#ifdef _WIN32
  const std::u8string utf8(path.begin(), path.end());
  const std::wstring wide = std::filesystem::path(utf8).wstring();
  HANDLE file = ::CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  FILETIME written;
  ASSERT_TRUE(::GetFileTime(file, nullptr, nullptr, &written));
  ULARGE_INTEGER ticks;
  ticks.LowPart = written.dwLowDateTime;
  ticks.HighPart = written.dwHighDateTime;
  ticks.QuadPart += delta.count() / 100;  // FILETIME counts 100 ns
  written.dwLowDateTime = ticks.LowPart;
  written.dwHighDateTime = ticks.HighPart;
  EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &written));
  ::CloseHandle(file);
#else
  namespace fs = std::filesystem;
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::duration_cast<fs::file_time_type::duration>(delta));
#endif
}

}  // namespace platform_test
