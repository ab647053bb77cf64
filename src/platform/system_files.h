// The operating system's files, as the rest of the platform layer uses them: one set of calls with
// a POSIX implementation (platform/posix) and a Windows one (platform/windows); CMake builds the one
// of the target. Paths are native paths (paths.h) in UTF-8; the Windows side converts them to UTF-16
// at each call. Nothing here raises the error report: the file-number layer does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace platform::os {

// Returned in place of an error number when another program holds the file open and does not let
// it be renamed, removed or opened (a sharing violation on Windows; the game holding a record file).
inline constexpr int kHeldByAnotherProgram = -1;

// An open file of the system (a descriptor or a HANDLE).
using Handle = std::intptr_t;
inline constexpr Handle kNoHandle = -1;

// Opens a file for `mode`; a folder is refused with error 75. Returns 0 or an error number
// (files.h conventions; "error number" below includes kHeldByAnotherProgram). `size` is the file's length when it is a regular file, else -1.
int openHandle(const std::string& native, FileMode mode, Handle& handle, int64_t& size);

// Operations on an open file. Each returns 0 or the system's error code; ioErrorNumber turns that
// into an error number.
int readAt(Handle handle, char* buffer, size_t count, int64_t offset, size_t& got);
int writeAt(Handle handle, const char* data, size_t count, int64_t offset);
int handleSize(Handle handle, int64_t& size);
// Puts the file's data on the disk; a device that cannot be synchronised is no failure.
int syncHandle(Handle handle);
int closeHandle(Handle handle);
int ioErrorNumber(int systemCode);

enum class PathKind { Missing, File, Folder, Other };

// Whether the system finds a name in any letter case itself (Windows), so that a path needs no
// lookup of its components.
bool namesIgnoreCase();
// The name of an existing entry as it is on disk, where the system finds names in any letter case
// (Windows); "" where a name is found only as written (POSIX) or there is no such entry.
std::string nameOnDiskOf(const std::string& native);
// The size and modification time of an existing regular file (a link followed), the time in
// nanoseconds on the system's own clock, to the finest step the file system keeps; false when there
// is no such file.
bool regularFileStamp(const std::string& native, int64_t& size, int64_t& modifiedNanoseconds);
// What a path names; a link is followed unless `followLinks` is false.
PathKind pathKind(const std::string& native, bool followLinks = true);
// Whether this process may create and remove files in an existing folder.
bool folderAccessWritable(const std::string& native);
// The names in a folder, without "." and ".."; none when it cannot be read.
std::vector<std::string> folderNames(const std::string& native);
// The absolute path of an existing folder, links resolved, with '/' separators; "" when there is none.
std::string realFolder(const std::string& native);
// 53 when the folder of `native` exists (so the file itself is missing), else 76.
int missingPathErrorNumber(const std::string& native);

// Changes of whole files. Each returns 0 or an error number (files.h conventions).
int removeFile(const std::string& native);
// Renames; 58 when the target exists.
int moveNoReplace(const std::string& from, const std::string& to);
// Renames, replacing the target (never a folder) in one step.
int moveReplacing(const std::string& from, const std::string& to);
// Copies the bytes of `from` over `to`; a copy onto itself leaves the file as it is.
int copyReplacing(const std::string& from, const std::string& to);
// Puts the folder's names on the disk.
int syncFolder(const std::string& native);

// Deletes a lock file of folder_lock.h and closes it, in that order: removed while still locked, so
// that nobody can take a lock on the file about to go.
void removeLockFile(Handle handle, const std::string& native);

// The working folder, and changing it. 0 or an error number.
int workingFolder(std::string& folder);
int changeWorkingFolder(const std::string& native);

}  // namespace platform::os
