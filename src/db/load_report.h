// What the last load found out about each record file: whether it was read completely, and its
// fingerprint when it was read. An import rewrites record files from what the catalogue holds, so a
// file that was not read completely, or that has changed on disk since, must not be rewritten.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "platform/file_stamp.h"

namespace db {

struct Catalogue;

// The nine main kinds, one per mask bit 1 .. 256 of LOADDBS (load_database.h).
inline constexpr int kMainKindCount = 9;

// How the last load read the file of one kind.
struct KindLoad {
  bool loaded = false;  // the kind was in the load's mask
  std::string path;     // the file as the load named it
  // The first error raised while the kind was loaded (a failed open or read, a file shorter than its
  // count): the catalogue may hold less than the file.
  std::optional<platform::UntrappedError> firstError;
  std::optional<platform::FileStamp> stamp;  // taken before the file was opened; empty when missing
};

// The slot of a kind's mask bit in the catalogue's kindLoads (1 -> 0, 2 -> 1, ... 256 -> 8); -1 for
// anything else.
int kindSlot(int32_t kindBit);

// The record file of a kind in a game folder ("<game folder>\data\moves.dat" for kLoadMoves); "" for
// a bit that is no main kind.
std::string kindFilePath(std::string_view gameFolder, int32_t kindBit);

// Why the catalogue cannot stand for one record file.
struct LoadProblem {
  int32_t kind = 0;  // the kind's mask bit
  std::string path;
  int errorNumber = 0;  // 0 when the kind was not loaded at all
  std::string description;
};

// The first kind of `kindMask` (in the order of the mask bits) whose file the last load did not read
// completely; a kind the load left out, or a catalogue never loaded, counts as not read.
std::optional<LoadProblem> incompleteLoad(const Catalogue& catalogue, int32_t kindMask);

// The path of the first file of `kindMask` that is no longer as the last load found it: removed,
// created, or of another size or modification time. A kind that was not loaded counts as changed.
std::optional<std::string> changedSinceLoad(const Catalogue& catalogue, int32_t kindMask);

// The kinds of `kindMask` as the last load found them (each with its path), to be checked later
// without the catalogue.
std::vector<KindLoad> loadedFiles(const Catalogue& catalogue, int32_t kindMask);
// The path of the first of them that is no longer as loaded.
std::optional<std::string> firstChanged(const std::vector<KindLoad>& files);

// "\"<path>\" has changed since the database was loaded (...)": for the messages that refuse an import.
std::string describeChangedFile(const std::string& path);

// "\"<path>\" was not read completely when the database was loaded (error 57 (Device I/O error))",
// or "... was not loaded" for a kind the load left out: for the messages that refuse an import.
std::string describeLoadProblem(const LoadProblem& problem);

}  // namespace db
