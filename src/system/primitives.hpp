// The primitives that each side of the system layer implements and that the shared code of
// src/system/ builds its promises on. Not for the layers above: they use file.hpp,
// held_folder.hpp, replace_file.hpp and standard_streams.hpp.

// Folders held open, names looked at without following them, links walked under the rule the
// system would apply, and files made, locked, renamed and removed within an open folder; each a
// handful of system calls, implemented in posix/primitives.cpp and windows/primitives.cpp. The
// policy over them (when to look again, how long to wait, what to compare) is the shared code's.
//
//   Located found = primitives::locate(start, startEntry, "", "The Item.txt", user, false);
//   if (found.entry.kind == EntryKind::missing) ...
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "system/file.hpp"
#include "system/located.hpp"
#include "system/standard_streams.hpp"
#include "system/system_error.hpp"

namespace tessark::primitives {

// The user that the run acts for: the POSIX effective user; 0 on Windows.
std::uint32_t currentUser();

// Opens the folder at `path`, where walks begin. Throws SystemError.
File openFolder(std::string_view path);

// What the open `file` is. Throws SystemError.
Entry entryOf(const File& file);

// Where `path` leads from the folder `start` (what `startEntry` describes), reached as
// `startPath` ("" for the working folder), and what stands there, not followed. A link is not
// followed where another user could have planted it (POSIX: a link in a world-writable sticky
// folder that belongs to neither `user` nor the folder's owner, whatever the kernel is told to
// protect); that throws SystemError of kind untrusted, naming the link. With `trustedFolders`,
// every folder the walk enters must pass requireTrustedFolder too. Throws SystemError for a
// folder on the way that cannot be opened, or links that loop.
Located locate(const File& start, const Entry& startEntry, std::string_view startPath,
               std::string_view path, std::uint32_t user, bool trustedFolders);

// Throws SystemError of kind untrusted, naming `path`, for a `folder` in `holder` that another
// user than `user` could change: on POSIX, one that every user may write to without the sticky
// bit, or that belongs to neither `user`, root nor the owner of `holder`. Windows knows no owner
// that decides this: nothing is refused there.
void requireTrustedFolder(const Entry& folder, const Entry& holder, std::string_view path,
                          std::uint32_t user);

// Whether `folder` is one where every user may make files and only their owner may remove them:
// on POSIX, world-writable and sticky, as /tmp. None on Windows.
bool sharedFolder(const Entry& folder);

// What stands at `place` now, not followed; a link there fails with FailureKind::changed.
Entry entryAt(const Place& place);

// Opens the folder at `place` without following a link and, when `exclusive`, takes its lock
// without waiting; the lock ends with the process. Throws SystemError: heldByAnotherRun when
// another process holds the lock.
File holdFolderAt(const Place& place, bool exclusive);

// Opens what stands at `place` without following a link and without waiting: an existing file
// (`create` false) or a new one made exclusively (`create` true). A name that became a link or was
// taken since it was looked at fails with FailureKind::changed.
File openAt(const Place& place, OpenMode mode, bool create);

// Makes the new file `name` in the folder of `place`, exclusively and never through a link. It is
// made for the user alone while an `earlier` file stands, whose permissions keepOwnership gives
// it later; with none, as a new file is made. Nothing when the name is taken.
std::optional<File> createExclusive(const Place& place, std::string_view name,
                                    const Entry& earlier);

// What tryLock found.
enum class LockResult { taken, busy, unsupported };

// Takes the lock of the open `file` that runs take on one another's files, without waiting: a
// run's claim of its temporary file, or its turn to write a file in place.
LockResult tryLock(const File& file);

// Waits about 10 milliseconds, between two tries of a lock.
void pause();

// Whether `name` in the folder of `place` is still the open `file`: not removed, nor replaced by
// another file, since it was opened.
bool stillNamed(const Place& place, std::string_view name, const File& file);

// Opens the file `name` in the folder of `place` to look at it and perhaps remove it, never
// following a link and never waiting; nothing when it cannot be.
std::optional<File> openLeftover(const Place& place, std::string_view name);

// Removes `name`, which `file` is open on, from the folder of `place`, ignoring a failure; nothing
// where the system cannot tell that `file` is the file of that name in that folder, and not one
// that a link under the name leads to.
void removeOpened(const Place& place, std::string_view name, const File& file);

// Whether the missing name at `place` is a link that leads nowhere, which the system hides from a
// look (Wine does); writing through it with openThroughLink makes its target.
bool isDanglingLink(const Place& place);

// Opens the link at `place` for writing, following it and making its target.
File openThroughLink(const Place& place);

// Gives the new `file` the permissions and group of `earlier`; false when the user may not give
// it that group.
bool keepOwnership(File& file, const Entry& earlier);

// Puts the file `from`, in the folder of `place`, in the place of `place.name`. `current` is what
// stands there, as last looked at.
void renameOver(const Place& place, std::string_view from, const Entry& current);

// Removes `name` from the folder of `place`, ignoring a failure: it is left for a later run.
void removeAt(const Place& place, std::string_view name);

// The names in the folder of `place` that begin with `prefix`.
std::vector<std::string> namesIn(const Place& place, std::string_view prefix);

// Makes the changes of names in the folder of `place` last, where the file system can. Throws
// SystemError, also for a folder that may not be read and so cannot be synced.
void syncFolder(const Place& place);

// The file that `path` leads to from `start` as the system itself follows it, where a walk may
// find nothing (a link to /dev/stdout leads to a pipe that no walk can name); nothing for none.
std::optional<FileIdentity> followedBySystem(const File& start, std::string_view path);

// The file that standard output or error writes to; nothing where it has no identity to compare.
std::optional<FileIdentity> identityOf(StandardStream stream);

// The error of writing to a folder as if it were a file, in the system's words.
SystemError folderError();

// Fills `bytes` with bytes that no other user or run can foresee. Throws SystemError.
void fillRandom(std::span<unsigned char> bytes);

}  // namespace tessark::primitives
