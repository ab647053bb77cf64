// Game paths on this platform. The game writes paths with backslashes ("\data\teams.dat") and a
// game folder copied from Windows may spell its names in any letter case ("DATA/WRESTLRS.DAT").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The local path for a game path: both separators become '/', and each component is matched on
// disk exactly first, then without regard to letter case; a component that does not exist is kept
// as written (so a new file is created with the name the caller gave).
std::string nativePath(std::string_view gamePath);
// The same; `complete` tells whether every component was found, so that a false one means the path
// does not exist and needs no further question to the system.
std::string resolvedPath(std::string_view gamePath, bool& complete);

// A path in the file system's bytes (UTF-8 here) as the program's own Windows-1252 text, for lists
// and messages; a character Windows-1252 has not becomes "?".
std::string pathForDisplay(std::string_view path);

// The last component of a game or local path (after its last "\" or "/"), and what comes before it
// ("." for a bare name).
std::string_view fileNameOf(std::string_view path);
std::string_view folderOf(std::string_view path);

// While one lives, the listing of a folder that a lookup without regard to letter case reads, whether
// a path exists, and the current directory are kept and used again, for a run of lookups in folders that do
// not change meanwhile (a load reads the same folders once per record). Nests; the listings are dropped with
// the outermost one.
class FolderListingCache {
 public:
  FolderListingCache();
  ~FolderListingCache();
  FolderListingCache(const FolderListingCache&) = delete;
  FolderListingCache& operator=(const FolderListingCache&) = delete;
};
// The current directory as remembered while a FolderListingCache lives (empty until someone asks
// for it); nullptr when none lives.
std::optional<std::string>* rememberedWorkingFolder();
// Drops what the cache holds (the current directory changed, say); it stays active.
void forgetRememberedPaths();

// The short form of an existing path: this platform has no 8.3 names, so it is the path as it is on
// disk (resolved as nativePath does). Empty when the path does not exist.
std::optional<std::string> shortPathName(std::string_view path);
// The long form of an existing path: the path with its on-disk letter case. Empty when missing.
std::optional<std::string> longPathName(std::string_view path);

}  // namespace platform
