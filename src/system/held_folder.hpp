// HeldFolder: a folder opened once and held for a run, from which paths are walked and files
// opened: the working folder, where every path of a run begins, and the work folder beneath it,
// locked against a second run.

// Renaming or replacing a held folder during the run cannot mix the files of two runs: its files
// are opened through the folder itself, never by its name again.
//
//   const HeldFolder working = HeldFolder::working();
//   const HeldFolder files = working.hold("files", HeldFolder::Lock::exclusive);
//   File list = files.open("Modlist.dat", OpenMode::rewrite);
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "system/file.hpp"
#include "system/located.hpp"

namespace tessark {

// A file just opened through a held folder, with what one look at its handle told.
struct OpenedFile {
  File file;
  FileIdentity identity;
  // Its size when it was opened.
  std::uint64_t size = 0;
  // How many names it has.
  std::uint64_t links = 1;
};

class HeldFolder {
 public:
  // Whether a folder is held against other runs.
  enum class Lock { exclusive, none };

  // Which folders a walk may pass through: any, or only those that no other user can change (a
  // folder that every user may write to without the sticky bit, or that belongs to another user
  // than the user, root or the owner of the folder that holds it, stops the walk).
  enum class Folders { any, trusted };

  // The working folder, where every path of the run begins. The user that the run acts for is
  // read here, once.
  static HeldFolder working();

  // The working folder's `path`, held: a shorthand of working().hold(path, lock).
  HeldFolder(std::string_view path, Lock lock);

  // The folder at `path` from this one, reached by the walk of find() and, unless `lock` is none,
  // locked without waiting, since the other run may be a dialogue that lasts minutes. The lock
  // ends with the process, however that ends. With Folders::trusted, the folder itself and every
  // folder that the walk to it and the walks from it enter must be trusted (FailureKind::
  // untrusted). Throws SystemError: FailureKind::heldByAnotherRun when another process holds it.
  HeldFolder hold(std::string_view path, Lock lock, Folders folders = Folders::any) const;

  // Where `path` leads from this folder, every link on the way followed, and what stands there.
  // A link that another user could have planted is not followed (FailureKind::untrusted,
  // naming it). Throws SystemError for a folder on the way that cannot be opened, or links that
  // loop.
  Located find(std::string_view path) const;

  // Where `path` leads, links followed; nothing when that cannot be told.
  std::optional<FileTarget> targetOf(std::string_view path) const;

  // Opens the file that `found` found, which must be a regular file: a folder, pipe or device
  // fails with FailureKind::notRegularFile, and opening never waits. Writing makes a missing file
  // exactly where the name led, never through a link planted meanwhile. A name that changed since
  // the look fails with FailureKind::changed. Another user's file in a folder where every user
  // may make files (as /tmp) is not written (FailureKind::untrusted), as the kernel's
  // protected_regular would refuse it.
  OpenedFile open(const Located& found, OpenMode mode) const;

  // find() and open(), looking again when the name changes between the two.
  File open(std::string_view path, OpenMode mode) const;

  // The folder's own handle, and what it is.
  const File& handle() const { return folder_; }
  const Entry& entry() const { return entry_; }
  // The user that the run acts for.
  std::uint32_t user() const { return user_; }

 private:
  HeldFolder(File folder, const Entry& entry, std::string path, std::uint32_t user,
             Folders folders);

  File folder_;
  Entry entry_;
  std::string path_;  // the folder as its files are named in messages; empty for the working one
  std::uint32_t user_ = 0;
  Folders folders_ = Folders::any;
};

// Throws SystemError of kind untrusted when `found` is a regular file that belongs to neither
// `user` nor the owner of its folder, in a folder where every user may make files (as /tmp): the
// other user may change it at will, and could have planted it where the user's file was expected.
void requireNotPlanted(const Located& found, std::uint32_t user);

}  // namespace tessark
