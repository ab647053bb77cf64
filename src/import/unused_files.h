// New files an import wrote beside the database and then did not put in place (the confirmation was
// answered No, the run failed, the commit was undone) are removed again: nothing reads them, the next
// run writes them anew, and left in the data folder they only puzzle the player.
#pragma once

#include <string>
#include <vector>

namespace imports {

// Removes each of the files that is still there. Only files the run itself wrote may be named. A
// file that cannot be removed stays where it is: it harms nothing, so the run's outcome stands.
void removeUnusedFiles(const std::vector<std::string>& paths);

// Held while a new file is written: once begun, the file is removed when the guard goes before it
// was finished, so that a write stopped half-way leaves nothing behind. Declared before the file's
// OpenedFile, it goes after the file is closed.
class NewFileGuard {
 public:
  NewFileGuard() = default;
  ~NewFileGuard();
  NewFileGuard(const NewFileGuard&) = delete;
  NewFileGuard& operator=(const NewFileGuard&) = delete;

  // The file has been opened for writing: it is this run's now.
  void begun(std::string path) { path_ = std::move(path); }
  void finished() { path_.clear(); }

 private:
  std::string path_;
};

}  // namespace imports
