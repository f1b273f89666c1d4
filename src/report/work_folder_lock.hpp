#pragma once

#include <string_view>

namespace tessark {

// The folder beneath the working folder that holds the work files.
inline constexpr std::string_view workFolderPath = "files";

// Holds the work folder for one run, so that a second run in the same working folder cannot
// empty or rewrite the work files that this one is filling. The lock is taken on the folder
// itself: no lock file is left behind, and it ends with the process however that ends.
//
//   const WorkFolderLock lock;  // throws RunStopped when another run holds the folder
//   emptyModifierList();
class WorkFolderLock {
 public:
  // Takes the lock without waiting, since the other run may be a dialogue that lasts minutes.
  // Throws RunStopped when another run holds it, or when the folder cannot be opened.
  WorkFolderLock();
  ~WorkFolderLock();
  WorkFolderLock(const WorkFolderLock&) = delete;
  WorkFolderLock& operator=(const WorkFolderLock&) = delete;

 private:
  int folder_;
};

}  // namespace tessark
