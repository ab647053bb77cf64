#include "platform/system_files.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "platform/errors.h"
#include "platform/windows/error_numbers.h"
#include "platform/windows/wide_text.h"

namespace platform::os {
namespace {

constexpr size_t kCopyChunk = 262144;
// Shared with everyone, deleting included, as files are on POSIX: a file this program has open can
// still be renamed over by its own commit.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE win32(Handle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

DWORD attributesOf(const std::string& native) {
  return ::GetFileAttributesW(widePath(native).c_str());
}

bool isFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

OVERLAPPED at(int64_t offset) {
  OVERLAPPED place{};
  place.Offset = static_cast<DWORD>(static_cast<uint64_t>(offset) & 0xFFFFFFFFu);
  place.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
  return place;
}

DWORD chunk(size_t count) {
  return static_cast<DWORD>(std::min<size_t>(count, 0x40000000));
}

// The source of a rename must exist; 0 or its error number.
int sourceErrorNumber(const std::string& from) {
  return attributesOf(from) != INVALID_FILE_ATTRIBUTES ? 0 : openErrorNumber(::GetLastError(), from);
}

bool heldOpen(const std::string& native) {
  HANDLE file = ::CreateFileW(widePath(native).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    ::CloseHandle(file);
    return false;
  }
  return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

int renameErrorNumber(DWORD errorCode, const std::string& from, const std::string& to) {
  switch (errorCode) {
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return kErrFileAlreadyExists;
    case ERROR_NOT_SAME_DEVICE:
      return kErrRenameAcrossDisks;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return kHeldByAnotherProgram;
    case ERROR_ACCESS_DENIED:
      // Windows refuses to replace a file open elsewhere without delete sharing as access denied:
      // asking for the right to delete each file tells that apart from a folder that cannot be changed.
      return heldOpen(from) || heldOpen(to) ? kHeldByAnotherProgram : kErrPermissionDenied;
    default:
      return openErrorNumber(errorCode, to);
  }
}

struct FileIdentity {
  DWORD volume = 0;
  DWORD high = 0;
  DWORD low = 0;
  bool operator==(const FileIdentity&) const = default;
};

bool identityOf(HANDLE file, FileIdentity& identity) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(file, &info)) return false;
  identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
  return true;
}

bool sameFile(Handle source, const std::string& to) {
  HANDLE target = ::CreateFileW(widePath(to).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
  if (target == INVALID_HANDLE_VALUE) return false;
  FileIdentity a;
  FileIdentity b;
  const bool same = identityOf(win32(source), a) && identityOf(target, b) && a == b;
  ::CloseHandle(target);
  return same;
}

int copyContents(Handle source, Handle target) {
  std::vector<char> buffer(kCopyChunk);
  int64_t offset = 0;
  for (;;) {
    size_t got = 0;
    if (int error = readAt(source, buffer.data(), buffer.size(), offset, got)) return error;
    if (got == 0) return 0;
    if (int error = writeAt(target, buffer.data(), got, offset)) return error;
    offset += static_cast<int64_t>(got);
  }
}

}  // namespace

int openErrorNumber(unsigned long errorCode, const std::string& native) {
  switch (errorCode) {
    case ERROR_FILE_NOT_FOUND:
      return missingPathErrorNumber(native);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return kErrPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return kErrPermissionDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return kHeldByAnotherProgram;
    case ERROR_TOO_MANY_OPEN_FILES:
      return kErrTooManyFiles;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return kErrBadFileName;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kErrDiskFull;
    default:
      return kErrPathFileAccess;
  }
}

int openHandle(const std::string& native, FileMode mode, Handle& handle, int64_t& size) {
  handle = kNoHandle;
  size = -1;
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case FileMode::Input:
    case FileMode::BinaryRead:
      break;
    case FileMode::Output:
      access = GENERIC_WRITE;
      disposition = CREATE_ALWAYS;
      break;
    case FileMode::Append:
      access = GENERIC_WRITE;
      disposition = OPEN_ALWAYS;
      break;
    case FileMode::Binary:
      access = GENERIC_READ | GENERIC_WRITE;
      disposition = OPEN_ALWAYS;
      break;
  }
  if (isFolder(attributesOf(native))) return kErrPathFileAccess;
  HANDLE file = ::CreateFileW(widePath(native).c_str(), access, kShareAll, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return openErrorNumber(::GetLastError(), native);
  LARGE_INTEGER length;
  if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &length)) size = length.QuadPart;
  handle = reinterpret_cast<Handle>(file);
  return 0;
}

int readAt(Handle handle, char* buffer, size_t count, int64_t offset, size_t& got) {
  got = 0;
  OVERLAPPED place = at(offset);
  DWORD read = 0;
  if (!::ReadFile(win32(handle), buffer, chunk(count), &read, &place)) {
    const DWORD error = ::GetLastError();
    return error == ERROR_HANDLE_EOF ? 0 : static_cast<int>(error);
  }
  got = read;
  return 0;
}

int writeAt(Handle handle, const char* data, size_t count, int64_t offset) {
  while (count > 0) {
    OVERLAPPED place = at(offset);
    DWORD written = 0;
    if (!::WriteFile(win32(handle), data, chunk(count), &written, &place)) return static_cast<int>(::GetLastError());
    if (written == 0) return ERROR_WRITE_FAULT;
    data += written;
    count -= written;
    offset += written;
  }
  return 0;
}

int handleSize(Handle handle, int64_t& size) {
  LARGE_INTEGER length;
  if (!::GetFileSizeEx(win32(handle), &length)) return static_cast<int>(::GetLastError());
  size = length.QuadPart;
  return 0;
}

int syncHandle(Handle handle) {
  if (::FlushFileBuffers(win32(handle))) return 0;
  DWORD error = ::GetLastError();
  if (error == ERROR_ACCESS_DENIED) {
    // Only a handle that may write can be flushed: a copy opened for reading gets one of its own.
    HANDLE writable = ::ReOpenFile(win32(handle), GENERIC_WRITE, kShareAll, 0);
    if (writable == INVALID_HANDLE_VALUE) return static_cast<int>(::GetLastError());
    error = ::FlushFileBuffers(writable) ? 0 : ::GetLastError();
    ::CloseHandle(writable);
    return static_cast<int>(error);
  }
  // Consoles and pipes cannot be flushed to a disk; that is not a failure of the data written.
  return error == ERROR_INVALID_HANDLE || error == ERROR_INVALID_FUNCTION ? 0 : static_cast<int>(error);
}

int closeHandle(Handle handle) {
  return ::CloseHandle(win32(handle)) ? 0 : static_cast<int>(::GetLastError());
}

int ioErrorNumber(int systemCode) {
  switch (systemCode) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kErrDiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return kErrPermissionDenied;
    default:
      return kErrDeviceIo;
  }
}

bool namesIgnoreCase() {
  return true;
}

std::string nameOnDiskOf(const std::string& native) {
  // A drive ("C:") or a name with wildcards is no single entry to look up.
  if (native.empty() || native.back() == ':' || native.find_first_of("*?") != std::string::npos) return "";
  WIN32_FIND_DATAW entry;
  HANDLE search = ::FindFirstFileExW(widePath(native).c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                     nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return "";
  ::FindClose(search);
  return utf8Text(entry.cFileName);
}

bool regularFileStamp(const std::string& native, int64_t& size, int64_t& modifiedNanoseconds) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(widePath(native).c_str(), GetFileExInfoStandard, &data)) return false;
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  size = static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
  // In steps of 100 ns since 1601.
  const uint64_t ticks =
      (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  modifiedNanoseconds = static_cast<int64_t>(ticks) * 100;
  return true;
}

PathKind pathKind(const std::string& native, bool) {
  const DWORD attributes = attributesOf(native);
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return isFolder(attributes) ? PathKind::Folder : PathKind::File;
}

bool folderAccessWritable(const std::string& native) {
  // Windows has no question for it (a folder's read-only attribute means something else), so a file
  // is made and removed again: the system deletes it when its handle closes.
  const std::string probe = native + "/zor-wizard-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
  HANDLE file = ::CreateFileW(widePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

std::vector<std::string> folderNames(const std::string& native) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW entry;
  HANDLE search = ::FindFirstFileExW(widePath(native + "/*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name(entry.cFileName);
    if (name != L"." && name != L"..") names.push_back(utf8Text(name));
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
  return names;
}

std::string realFolder(const std::string& native) {
  HANDLE folder = ::CreateFileW(widePath(native.empty() ? "." : native).c_str(), 0, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return "";
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = ::GetFinalPathNameByHandleW(folder, path.data(), static_cast<DWORD>(path.size()), 0);
  if (length >= path.size()) {
    path.resize(length);
    length = ::GetFinalPathNameByHandleW(folder, path.data(), static_cast<DWORD>(path.size()), 0);
  }
  ::CloseHandle(folder);
  if (length == 0 || length >= path.size()) return "";
  path.resize(length);
  std::string result = utf8Path(path);
  if (result.size() > 3 && result.back() == '/') result.pop_back();
  return result;
}

int missingPathErrorNumber(const std::string& native) {
  const size_t separator = native.find_last_of("/\\");
  if (separator == std::string::npos) return kErrFileNotFound;
  const std::string folder = native.substr(0, separator == 0 ? 1 : separator);
  return isFolder(attributesOf(folder.ends_with(':') ? folder + "/" : folder)) ? kErrFileNotFound
                                                                                : kErrPathNotFound;
}

int removeFile(const std::string& native) {
  if (isFolder(attributesOf(native))) return kErrPathFileAccess;
  return ::DeleteFileW(widePath(native).c_str()) ? 0 : openErrorNumber(::GetLastError(), native);
}

int moveNoReplace(const std::string& from, const std::string& to) {
  if (int error = sourceErrorNumber(from)) return error;
  if (::MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_WRITE_THROUGH)) return 0;
  return renameErrorNumber(::GetLastError(), from, to);
}

int moveReplacing(const std::string& from, const std::string& to) {
  if (int error = sourceErrorNumber(from)) return error;
  if (isFolder(attributesOf(to))) return kErrPathFileAccess;
  if (::MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 0;
  }
  return renameErrorNumber(::GetLastError(), from, to);
}

int copyReplacing(const std::string& from, const std::string& to) {
  Handle source = kNoHandle;
  int64_t size = 0;
  if (int error = openHandle(from, FileMode::BinaryRead, source, size)) return error;
  // Copying a file onto itself would empty it before reading it.
  if (sameFile(source, to)) {
    closeHandle(source);
    return 0;
  }
  Handle target = kNoHandle;
  if (int error = openHandle(to, FileMode::Output, target, size)) {
    closeHandle(source);
    return error;
  }
  int error = copyContents(source, target);
  closeHandle(source);
  const int closeError = closeHandle(target);
  if (error == 0) error = closeError;
  return error == 0 ? 0 : ioErrorNumber(error);
}

int syncFolder(const std::string& native) {
  // Nothing to write: the renames were written through to the disk as they were made
  // (MOVEFILE_WRITE_THROUGH), and NTFS logs the names of a folder itself.
  const DWORD attributes = attributesOf(native);
  if (attributes == INVALID_FILE_ATTRIBUTES) return openErrorNumber(::GetLastError(), native);
  return isFolder(attributes) ? 0 : kErrPathFileAccess;
}

int workingFolder(std::string& folder) {
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring path(size, L'\0');
  const DWORD length = size == 0 ? 0 : ::GetCurrentDirectoryW(size, path.data());
  if (length == 0 || length >= size) return ioErrorNumber(static_cast<int>(::GetLastError()));
  path.resize(length);
  folder = utf8Text(path);
  return 0;
}

int changeWorkingFolder(const std::string& native) {
  if (::SetCurrentDirectoryW(widePath(native).c_str())) return 0;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_DIRECTORY ? kErrPathNotFound
                                                                   : openErrorNumber(error, native);
}

}  // namespace platform::os
