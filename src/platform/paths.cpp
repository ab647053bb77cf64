#include "platform/paths.h"

#include <unordered_map>
#include <vector>

#include "platform/system_files.h"
#include "platform/text.h"

namespace platform {
namespace {

bool isSeparator(char c) {
  return c == '/' || c == '\\';
}

std::vector<std::string_view> splitComponents(std::string_view path) {
  std::vector<std::string_view> components;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = start;
    while (end < path.size() && !isSeparator(path[end])) ++end;
    if (end > start) components.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return components;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

struct ListingCache {
  int depth = 0;
  std::unordered_map<std::string, std::vector<std::string>> listings;
  // Whether a path exists, as asked of the system once per path while the cache lives.
  std::unordered_map<std::string, bool> present;
  // The name on disk of a path's last component where the system ignores case ("": missing).
  std::unordered_map<std::string, std::string> namesOnDisk;
  std::optional<std::string> workingFolder;
};

ListingCache& listingCache() {
  static ListingCache cache;
  return cache;
}

const std::vector<std::string>& listingOf(const std::string& folder, std::vector<std::string>& uncached) {
  ListingCache& cache = listingCache();
  if (cache.depth == 0) {
    uncached = os::folderNames(folder);
    return uncached;
  }
  auto found = cache.listings.find(folder);
  if (found == cache.listings.end()) found = cache.listings.emplace(folder, os::folderNames(folder)).first;
  return found->second;
}

// The entry of `folder` whose name matches `name` without regard to ASCII case; the smallest such
// name when the folder holds several. Empty when there is none.
std::string findIgnoringCase(const std::string& folder, std::string_view name) {
  std::string best;
  std::vector<std::string> uncached;
  for (const std::string& candidate : listingOf(folder, uncached)) {
    if (equalIgnoringAsciiCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  return best;
}

bool existsOnDisk(const std::string& path) {
  return os::pathKind(path, false) != os::PathKind::Missing;
}

bool exists(const std::string& path) {
  ListingCache& cache = listingCache();
  if (cache.depth == 0) return existsOnDisk(path);
  auto found = cache.present.find(path);
  if (found == cache.present.end()) found = cache.present.emplace(path, existsOnDisk(path)).first;
  return found->second;
}

std::string nameOnDisk(const std::string& path) {
  ListingCache& cache = listingCache();
  if (cache.depth == 0) return os::nameOnDiskOf(path);
  auto found = cache.namesOnDisk.find(path);
  if (found == cache.namesOnDisk.end()) found = cache.namesOnDisk.emplace(path, os::nameOnDiskOf(path)).first;
  return found->second;
}

// Where the system finds names in any letter case, one question per path tells whether it exists
// and gives its last component as it is on disk, which is what a file written under that name keeps.
std::string resolvedBySystem(std::string_view gamePath, bool& complete) {
  // A network path ("\\server\share") keeps its leading pair of separators.
  std::string result = isSeparator(gamePath.front()) ? "/" : "";
  if (gamePath.size() > 1 && isSeparator(gamePath[0]) && isSeparator(gamePath[1])) result = "//";
  const std::vector<std::string_view> components = splitComponents(gamePath);
  for (std::string_view component : components) {
    result += component;
    result += '/';
  }
  if (result.size() > 1) result.pop_back();
  const std::string_view last = components.empty() ? std::string_view() : components.back();
  if (last.empty() || last == "." || last == ".." || last.back() == ':') {
    complete = exists(result);
  } else {
    const std::string onDisk = nameOnDisk(result);
    complete = !onDisk.empty();
    if (complete) result.replace(result.size() - last.size(), last.size(), onDisk);
  }
  if (isSeparator(gamePath.back()) && result.back() != '/') result += '/';
  return result;
}

std::optional<std::string> existingPath(std::string_view path) {
  if (path.empty()) return std::nullopt;
  bool complete = false;
  std::string native = resolvedPath(path, complete);
  if (!complete || os::pathKind(native) == os::PathKind::Missing) return std::nullopt;
  return native;
}

}  // namespace

std::string nativePath(std::string_view gamePath) {
  bool complete = false;
  return resolvedPath(gamePath, complete);
}

std::string resolvedPath(std::string_view gamePath, bool& complete) {
  complete = false;
  if (gamePath.empty()) return "";
  if (os::namesIgnoreCase()) return resolvedBySystem(gamePath, complete);
  std::string result = isSeparator(gamePath.front()) ? "/" : "";
  bool resolving = true;
  for (std::string_view component : splitComponents(gamePath)) {
    std::string name(component);
    if (resolving && component != "." && component != "..") {
      if (!exists(result + name)) {
        std::string found = findIgnoringCase(result.empty() ? "." : result, component);
        if (found.empty()) {
          resolving = false;  // nothing below a missing folder exists
        } else {
          name = std::move(found);
        }
      }
    }
    result += name;
    result += '/';
  }
  // Keep the trailing separator only when the caller wrote one.
  if (result.size() > 1 && !isSeparator(gamePath.back())) result.pop_back();
  complete = resolving;
  return result;
}

std::string pathForDisplay(std::string_view path) {
  return cp1252FromUtf8(path);
}

std::string_view fileNameOf(std::string_view path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view folderOf(std::string_view path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? std::string_view(".") : path.substr(0, separator);
}

FolderListingCache::FolderListingCache() {
  ++listingCache().depth;
}

FolderListingCache::~FolderListingCache() {
  ListingCache& cache = listingCache();
  if (--cache.depth == 0) forgetRememberedPaths();
}

void forgetRememberedPaths() {
  ListingCache& cache = listingCache();
  cache.listings.clear();
  cache.present.clear();
  cache.namesOnDisk.clear();
  cache.workingFolder.reset();
}

std::optional<std::string>* rememberedWorkingFolder() {
  ListingCache& cache = listingCache();
  return cache.depth == 0 ? nullptr : &cache.workingFolder;
}

std::optional<std::string> shortPathName(std::string_view path) {
  return existingPath(path);
}

std::optional<std::string> longPathName(std::string_view path) {
  return existingPath(path);
}

}  // namespace platform
