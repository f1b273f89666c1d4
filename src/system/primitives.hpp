// The primitives that each side of the system layer implements and that the shared code of
// src/system/ builds its promises on. Not for the layers above: they use file.hpp, held_folder.hpp,
// replace_file.hpp and standard_streams.hpp.

// Folders held open, names looked at without following them, links walked under the rule the
// system would apply, and files made, renamed and removed within an open folder; implemented in
// posix/primitives.cpp and windows/primitives.cpp.
//
//   Place place = primitives::locate(start, "", "The Item.txt");
//   if (primitives::entryAt(place).kind == EntryKind::missing) ...
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "system/file.hpp"
#include "system/standard_streams.hpp"
#include "system/system_error.hpp"

namespace tessark::primitives {

// What stands under a name, the name itself not followed.
enum class EntryKind { missing, regular, folder, other };

struct Entry {
  EntryKind kind = EntryKind::missing;
  FileIdentity identity{};
  std::uint64_t links = 0;
  // Whether the running user owns it; Windows knows no owner that decides this.
  bool ownedByUser = true;
  // What a file made in its place keeps: the POSIX mode bits, or the Windows attributes.
  std::uint32_t permissions = 0;
  // The POSIX group; nothing on Windows.
  std::uint32_t group = 0;
};

// A name in an open folder: where a path leads once every link on the way is followed. The name
// itself is no link when the walk ends, though it may be missing.
// The folder is the walk's own once it left the folder it started in, which must outlive it.
struct Place {
  File ownFolder;
  const File* startFolder = nullptr;
  // The folder as the walk reached it: for messages, and for the systems that open by path.
  std::string folderPath;
  std::string name;

  const File& folder() const { return ownFolder.isOpen() ? ownFolder : *startFolder; }
};

// Opens the folder at `path` and, when `exclusive`, takes its lock without waiting; the lock ends
// with the process. Throws SystemError: heldByAnotherRun when another process holds the lock.
File holdFolder(std::string_view path, bool exclusive);

// Where `path` leads from the folder `start`, reached as `startPath` ("" for the working folder).
// A link is not followed where another user could have planted it (POSIX: a link in a
// world-writable sticky folder that belongs to neither the user nor the folder's owner, whatever
// the kernel is told to protect); that throws SystemError of kind untrustedLink, naming the link.
// Throws SystemError for a folder on the way that cannot be opened, or links that loop.
Place locate(const File& start, std::string_view startPath, std::string_view path);

// What stands at `place`, not followed.
Entry entryAt(const Place& place);

// Opens what stands at `place` without following a link and without waiting: an existing file
// (`create` false) or a new one made exclusively (`create` true). A name that became a link or was
// taken since it was looked at fails with FailureKind::changed.
File openAt(const Place& place, OpenMode mode, bool create);

// Makes the new file `name` in the folder of `place`, exclusively and never through a link, and
// claims it for this run, so that no other run takes it for abandoned. It is made for the user
// alone while an `earlier` file stands, whose permissions keepOwnership gives it later; with none,
// as a new file is made. Nothing when the name is taken, or when another run claimed it first.
std::optional<File> createClaimed(const Place& place, std::string_view name, const Entry& earlier);

// Takes the lock that keeps two runs from writing `file` in place at once, waiting a little for
// another run's; false when it stays taken.
bool lockForWriting(const File& file);

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

// Removes `name` from the folder of `place` when it is a regular file of the user that no live
// run has claimed; leaves it otherwise.
void removeIfAbandoned(const Place& place, std::string_view name);

// Makes the changes of names in the folder of `place` last. Throws SystemError.
void syncFolder(const Place& place);

// The standard stream, output or error, that writes to the file that `path` leads to, as the
// system follows it (a link to /dev/stdout leads to a pipe that no walk can name); nothing for
// none. Ask only once the walk to `path` found no link that must not be followed.
std::optional<StandardStream> standardStreamAt(std::string_view path);

// The error of writing to a folder as if it were a file, in the system's words.
SystemError folderError();

// Fills `bytes` with bytes that no other user or run can foresee. Throws SystemError.
void fillRandom(std::span<unsigned char> bytes);

}  // namespace tessark::primitives
