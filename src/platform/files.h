// Files addressed by file numbers, the way the game's tools use them: take a free number, open a
// path under it, read lines and numbers, write CR LF lines, close. Every failing operation raises
// the untrapped-error report (errors.h) with its error number and then returns a neutral result
// (false, "", 0), so that code which does not test it simply goes on.
//
// Paths are game paths: both separators are accepted and every component is resolved without
// regard to letter case (paths.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class FileMode {
  Input,       // sequential text input
  Output,      // created, or emptied when it exists
  Append,      // created when missing, written at the end
  Binary,      // read and write at any position; created when missing
  BinaryRead,  // read-only at any position; the file must exist (53 when missing)
};

constexpr int kMaxFileNumber = 255;

// The lowest file number not in use (1 .. kMaxFileNumber); 0 and error 67 when all are taken.
int freeFileNumber();

// Opens `path` under `fileNumber`. Errors: 52 number out of range, 55 number already open,
// 53 missing file (Input), 76 missing folder, 70 permission denied, 75 other access failures.
bool openFile(int fileNumber, std::string_view path, FileMode mode);
// Closes the file; closing a number that is not open does nothing.
void closeFile(int fileNumber);
void closeAllFiles();
bool isOpen(int fileNumber);
// The path the file was opened under, as given; "" when not open.
std::string openPath(int fileNumber);

// Reads the next line: the bytes up to a carriage return (not included); a line feed right after
// the carriage return belongs to the line end; byte 26 ends the file. Error 62 at the end of the
// file (returns ""), 52 when not open, 54 when not opened for Input.
std::string readLine(int fileNumber);
// The same line as a view that holds until the next file operation, for readers that look at a
// line once and keep at most a copy of it.
std::string_view readLineView(int fileNumber);
// Reads the next line and takes one number from it: leading blanks skipped, the number ends at a
// comma, a blank or the end of the line (the rest of the line is dropped). Returns the low 32 bits
// of the value (a non-numeric line gives 0). Errors as readLine.
int32_t readNumber(int fileNumber);
// True at the end of the file (or at a byte 26 in a text file); true (after error 52) for a number
// that is not open.
bool endOfFile(int fileNumber);
// The 1-based position of the next byte to be read or written; 0 (after error 52) when not open.
int64_t filePosition(int fileNumber);
// Length in bytes, including bytes written but not yet on disk; 0 (after error 52) when not open.
int64_t fileLength(int fileNumber);

// Steps over up to `count` lines as readLine would, in one operation, stopping quietly at the end of
// the file. Returns how many lines it stepped over.
int skipLines(int fileNumber, int count);
// Copies the next `count` lines of an Input file to a file open for writing, as readLine and
// writeLine line by line would (every line end becomes CR LF), in one operation on each file.
// Stops at the first error, which is raised; `writeFailed` tells which side it came from.
struct LineCopy {
  int lines = 0;
  bool writeFailed = false;
};
LineCopy copyLines(int sourceNumber, int targetNumber, int count);

// After the first "Input past end" (62) on this open file, later reads past its end fail silently
// (still "" or 0): a short database file is reported once per load, not once per missing line.
void reportPastEndOnce(int fileNumber);

// Writes text followed by CR LF (Output, Append, Binary). Error 61 when the disk is full; writes
// are buffered, so that error may come with a later write, flushFile or closeFile.
bool writeLine(int fileNumber, std::string_view text);
// Writes text as it is.
bool writeText(int fileNumber, std::string_view text);

// Binary access at a 1-based position (0 = the current position). readBytes returns how many bytes
// were read (fewer at the end of the file, without an error).
size_t readBytes(int fileNumber, int64_t position, void* buffer, size_t count);
bool writeBytes(int fileNumber, int64_t position, const void* data, size_t count);
// Moves the position of any open file to a 1-based position (error 63 below 1).
bool seekFile(int fileNumber, int64_t position);
// Pushes everything written so far to the disk (fsync).
bool flushFile(int fileNumber);

// Whole-file services.
bool fileExists(std::string_view path);    // an existing regular file
bool folderExists(std::string_view path);  // an existing folder
// Whether this process may create files in an existing folder: false on a read-only disk or in a
// folder it has no right to write to. A question only: it raises no error and is no operation that
// the fault injection below counts or fails.
bool folderWritable(std::string_view path);
bool deleteFile(std::string_view path);                       // error 53 when missing
bool renameFile(std::string_view from, std::string_view to);  // error 53 missing, 58 target exists
// Puts `from` in place of `to` in one step (an existing target is replaced atomically).
bool replaceFile(std::string_view from, std::string_view to);
bool copyFile(std::string_view from, std::string_view to);  // replaces the target
// Makes the names in a folder durable: files created, renamed or removed in it survive a power cut
// (fsync of the folder itself).
bool flushFolder(std::string_view path);
std::string currentDirectory();
bool changeDirectory(std::string_view path);  // error 76 when missing

// Fault injection for tests: the n-th file operation from now (1 = the next one) fails with
// `errorNumber` as if the system had refused it: the error is raised, the result is the neutral
// one and nothing is done (a failed close still releases the number, losing unwritten bytes).
// Every call above that touches a file or a path counts as one operation but folderWritable;
// freeFileNumber, isOpen, openPath, filePosition and reportPastEndOnce only read the table and do not
// count.
void failFileOperation(int n, int errorNumber);
// Every file operation from the n-th on fails with `errorNumber`, as a disk that stops working.
void failFileOperationsFrom(int n, int errorNumber);
void clearFileFaults();
// Every file in `folder` and below it behaves as on a read-only disk: opening one for writing,
// removing, renaming or copying onto one fails with error 70 (Permission denied), and
// folderWritable says no. Reading is unchanged; clearFileFaults ends it. This works for root too.
void refuseChangesIn(std::string_view folder);
// For tests that repeat a change hundreds of times: flushFile and flushFolder still count as
// operations (and can fail or end the process) but leave the synchronisation with the disk out.
void skipDiskSync(bool skip);
// For tests of crash safety: the n-th operation from now that changes files (an open for writing, a
// write, flush, close of a written file, rename, copy or removal) ends the process at once, before
// it is made, with `exitCode`, as if it had been killed (nothing buffered is written).
void crashAtFileChange(int n, int exitCode);
// Operations counted since the last clearFileFaults (for tests that fail each step in turn).
int fileOperationCount();

}  // namespace platform
