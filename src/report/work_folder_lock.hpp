// WorkFolderLock: the folder "files" held for one run, through which every work file is opened.
#pragma once

#include <optional>
#include <string_view>

#include "report/work_folder_path.hpp"
#include "system/held_folder.hpp"

namespace tessark {

// Holds the work folder for one run: a second run in the same working folder cannot empty or
// rewrite the work files that this one is filling, and every work file of the run is opened
// through the folder opened here, so that renaming or replacing "files" during the run cannot mix
// the files of two runs. The lock is taken on the folder itself: no lock file is left behind, and
// it ends with the process however that ends.
//
//   const WorkFolderLock lock;  // throws RunStopped when another run holds the folder
//   emptyModifierList();        // opens files/Modlist.dat through the held folder
class WorkFolderLock {
 public:
  // Takes the lock without waiting, since the other run may be a dialogue that lasts minutes.
  // Throws RunStopped when another run holds it, or when the folder cannot be opened.
  WorkFolderLock();
  ~WorkFolderLock();
  WorkFolderLock(const WorkFolderLock&) = delete;
  WorkFolderLock& operator=(const WorkFolderLock&) = delete;

  // Opens the work file `path` ("files/..."): through the folder that the run holds, or, outside
  // a run, by its path from the working folder. Throws SystemError.
  static File open(std::string_view path, OpenMode mode);

  // Where the work file `path` leads, links followed; nothing when that cannot be told.
  static std::optional<FileTarget> targetOf(std::string_view path);

 private:
  HeldFolder folder_;
};

}  // namespace tessark
