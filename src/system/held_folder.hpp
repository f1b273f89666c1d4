// HeldFolder: the work folder of one run, opened once, locked against a second run and held to
// the end, through which every work file is opened; isFolder, whether a path names a folder.

// Renaming or replacing the folder during the run cannot mix the files of two runs.
//
//   const HeldFolder folder("files", HeldFolder::Lock::exclusive);  // heldByAnotherRun, ...
//   File list = folder.open("Modlist.dat", OpenMode::rewrite);
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "system/file.hpp"

namespace tessark {

class HeldFolder {
 public:
  // Whether the folder is held against other runs.
  enum class Lock { exclusive, none };

  // Opens the folder `path` and, unless `lock` is none, takes its lock without waiting, since the
  // other run may be a dialogue that lasts minutes. The lock ends with the process, however that
  // ends. Throws SystemError: FailureKind::heldByAnotherRun when another process holds it.
  HeldFolder(std::string_view path, Lock lock);

  // Opens the file `name` (a name, or a relative path) in the folder; writing makes it when
  // missing. It must be a regular file (a link to one will do): a folder, pipe or device fails
  // with FailureKind::notRegularFile, and opening never waits. Links are followed as replaceFile
  // follows them, and a missing file is made exactly where its name leads, never through a link
  // planted meanwhile.
  File open(std::string_view name, OpenMode mode) const;

  // Where the name `name` in the folder leads, links followed; nothing when that cannot be told.
  std::optional<FileTarget> targetOf(std::string_view name) const;

 private:
  File folder_;
  std::string path_;  // the folder as its files are named in messages
};

// Whether `path` names a folder, links followed.
bool isFolder(std::string_view path);

}  // namespace tessark
