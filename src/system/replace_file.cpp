// The policy of replacing a file, written once for every system over the primitives of each side:
// when to replace and when to write in place, the standard-stream case, the run's own temporary
// file, its claim and the clean-up of abandoned ones, the turns of runs that write in place, the
// checks that nothing changed, and syncing.
#include "system/replace_file.hpp"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "system/primitives.hpp"
#include "system/standard_streams.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

// Temporary files begin so, and are hidden on the systems that hide names beginning with a dot.
constexpr std::string_view temporaryPrefix = ".tessark-";
// What earlier versions named their one temporary file, after the target's name.
constexpr std::string_view earlierTemporarySuffix = ".tessark-new";

// How many times a lock that another run holds is tried, about 10 milliseconds apart: a lock
// that another program keeps must not hang the run.
constexpr int lockTries = 200;

// Takes the lock of `file` that keeps two runs from writing it in place at once, waiting a little
// for another run's; false when it stays taken. A file system without locks has no turns to wait
// for.
bool lockForWriting(const File& file) {
  for (int attempt = 0; attempt < lockTries; ++attempt) {
    if (primitives::tryLock(file) != primitives::LockResult::busy) return true;
    primitives::pause();
  }
  return false;
}

// The standard stream, output or error, that writes to the file that `path` leads to, where
// `found` is what a walk to it found; nothing for none.
std::optional<StandardStream> standardStreamAt(const HeldFolder& start, const Located& found,
                                               std::string_view path) {
  // A walk finds no file where the system follows a link to a pipe (/dev/stdout): the system is
  // asked then.
  const std::optional<FileIdentity> target =
      found.entry.kind == EntryKind::missing ? primitives::followedBySystem(start.handle(), path)
                                             : std::optional(found.entry.identity);
  if (!target) return std::nullopt;
  for (const StandardStream stream : {StandardStream::output, StandardStream::error}) {
    if (primitives::identityOf(stream) == target) return stream;
  }
  return std::nullopt;
}

// A temporary file of this run beside the target, removed unless it took the target's place.
class Temporary {
 public:
  Temporary(const Place& place, std::string name, File file)
      : place_(place), name_(std::move(name)), file_(std::move(file)) {}
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;
  ~Temporary() {
    if (!renamed_) primitives::removeAt(place_, name_);
  }

  File& file() { return file_; }

  // Puts it in the place of the target and lets it go; the claim holds until then. What was
  // written was synced before: a failure to close now cannot take it back.
  void renameOver(const Entry& earlier) {
    primitives::renameOver(place_, name_, earlier);
    renamed_ = true;
    const File released = std::move(file_);
  }

 private:
  const Place& place_;
  std::string name_;
  File file_;
  bool renamed_ = false;
};

// A new name for a temporary file: the prefix and 64 bits that no one can foresee.
std::string newTemporaryName() {
  std::array<unsigned char, 8> bytes{};
  primitives::fillRandom(bytes);
  constexpr std::string_view digits = "0123456789abcdef";
  std::string name(temporaryPrefix);
  for (const unsigned char byte : bytes) {
    name += digits[byte >> 4];
    name += digits[byte & 15];
  }
  return name;
}

// Makes the new file `name` beside `place` and claims it for this run, so that no other run takes
// it for abandoned. Nothing when the name is taken, or when another run took the file for
// abandoned between its making and the claim: the name is then no longer this file's. Where the
// file system keeps no locks, no run takes any file for abandoned: the file is this run's.
std::optional<File> createClaimed(const Place& place, std::string_view name, const Entry& earlier) {
  std::optional<File> file = primitives::createExclusive(place, name, earlier);
  if (!file || primitives::tryLock(*file) == primitives::LockResult::busy ||
      !primitives::stillNamed(place, name, *file)) {
    return std::nullopt;
  }
  return file;
}

// Makes this run's temporary file beside `place`, where `earlier` stands. A name already taken, by
// whatever stands there, is never used: another is drawn. Nothing where the folder lets no file be
// made but the earlier file may still be written in place.
std::optional<Temporary> makeTemporary(const Place& place, const Entry& earlier) {
  try {
    for (int attempt = 0; attempt < 64; ++attempt) {
      std::string name = newTemporaryName();
      if (std::optional<File> file = createClaimed(place, name, earlier)) {
        return std::optional<Temporary>(std::in_place, place, std::move(name), std::move(*file));
      }
    }
  } catch (const SystemError& error) {
    if (error.kind() == FailureKind::notPermitted && earlier.kind != EntryKind::missing) {
      return std::nullopt;
    }
    throw;
  }
  throw SystemError(FailureKind::other, "no free name for a temporary file");
}

// Removes `name` beside `place` when it is a regular file of `user` that no live run has claimed:
// a live run holds the claim on its temporary file to its end.
void removeIfAbandoned(const Place& place, std::string_view name, std::uint32_t user) {
  const std::optional<File> file = primitives::openLeftover(place, name);
  if (!file) return;
  try {
    const Entry entry = primitives::entryOf(*file);
    if (entry.kind != EntryKind::regular || entry.owner != user ||
        primitives::tryLock(*file) != primitives::LockResult::taken ||
        !primitives::stillNamed(place, name, *file)) {
      return;
    }
  } catch (const SystemError&) {
    return;  // left for a later run
  }
  primitives::removeOpened(place, name, *file);
}

// Removes the temporary files that killed runs left beside `place`.
void removeAbandoned(const Place& place, std::uint32_t user) {
  for (const std::string& name : primitives::namesIn(place, temporaryPrefix)) {
    removeIfAbandoned(place, name, user);
  }
  removeIfAbandoned(place, place.name + std::string(earlierTemporarySuffix), user);
}

// Cuts the file at `place` to nothing and writes `content` in it. It must still be the file that
// was looked at.
void writeInPlace(const Place& place, const Entry& earlier, std::string_view content) {
  File file = primitives::openAt(place, OpenMode::rewrite, false);
  if (earlier.kind == EntryKind::regular) {
    if (file.identity() != earlier.identity) {
      throw SystemError(FailureKind::changed, "it changed while the run was writing it");
    }
    // Two runs cutting and writing one file by turns would leave one report's head on the other's
    // tail.
    if (!lockForWriting(file)) {
      throw SystemError(FailureKind::other, "another program keeps it locked");
    }
  }
  file.replaceContent(content);
}

// How often a file that another run replaced meanwhile is looked at anew before giving up.
constexpr int mostLooks = 8;

// Whether `path` still leads where it led when `found` was looked at. False when another run
// replaced the file meanwhile, as two working folders whose reports lead to one file do: the
// replace then starts anew from what stands there now. Throws FailureKind::changed when a link on
// the way changed, or a file was put there that is not to be replaced.
bool unchanged(const HeldFolder& start, std::string_view path, const Located& found) {
  const Located now = start.find(path);
  const Entry& earlier = found.entry;
  if (now.place.name == found.place.name &&
      now.place.folderEntry.identity == found.place.folderEntry.identity) {
    if (now.entry.kind == earlier.kind &&
        (now.entry.kind == EntryKind::missing || now.entry.identity == earlier.identity)) {
      return true;
    }
    // What another run of the user's own leaves there; anything else is no run's doing.
    if (now.entry.kind == EntryKind::regular && now.entry.owner == start.user() &&
        now.entry.links == 1) {
      return false;
    }
  }
  throw SystemError(FailureKind::changed,
                    "a link or file on its way changed while the run was writing it; nothing "
                    "was replaced");
}

// Makes the file that `found` found at `path` hold `content`, as replaceFile says. False when
// another run replaced the file between the look and the rename, and nothing was done.
bool replaceOnce(const HeldFolder& start, const Located& found, std::string_view path,
                 std::string_view content) {
  const Place& place = found.place;
  const Entry& earlier = found.entry;
  // Where standard output or error goes, the content follows what the stream has written: a new
  // file would take the player's log away from the stream.
  if (const std::optional<StandardStream> stream = standardStreamAt(start, found, path)) {
    if (!writeStandard(*stream, content.data(), content.size())) {
      throw SystemError(FailureKind::other, "the standard stream it leads to cannot be written");
    }
    return true;
  }
  if (earlier.kind == EntryKind::missing && primitives::isDanglingLink(place)) {
    primitives::openThroughLink(place).replaceContent(content);
    return true;
  }
  switch (earlier.kind) {
    case EntryKind::folder:
      throw primitives::folderError();
    case EntryKind::other:
      // A device or a pipe has no content to replace.
      writeInPlace(place, earlier, content);
      return true;
    case EntryKind::regular:
      requireNotPlanted(found, start.user());
      // A second name of the file, or a file that is another user's, would lose its link or its
      // owner to a new file.
      if (earlier.links > 1 || earlier.owner != start.user()) {
        removeAbandoned(place, start.user());
        writeInPlace(place, earlier, content);
        return true;
      }
      break;
    case EntryKind::missing:
      break;
  }

  removeAbandoned(place, start.user());
  std::optional<Temporary> temporary = makeTemporary(place, earlier);
  if (temporary && earlier.kind == EntryKind::regular &&
      !primitives::keepOwnership(temporary->file(), earlier)) {
    temporary.reset();
  }
  if (!temporary) {
    writeInPlace(place, earlier, content);
    return true;
  }
  temporary->file().write(content);
  temporary->file().sync();
  if (!unchanged(start, path, found)) return false;
  temporary->renameOver(earlier);
  try {
    // Until the folder itself reaches the disk, a crash may undo the rename.
    primitives::syncFolder(place);
  } catch (const SystemError& error) {
    throw SystemError(FailureKind::notSynced, error.what());
  }
  return true;
}

}  // namespace

void replaceFile(const HeldFolder& start, const Located& found, std::string_view path,
                 std::string_view content) {
  if (replaceOnce(start, found, path, content)) return;
  for (int look = 1; look < mostLooks; ++look) {
    if (replaceOnce(start, start.find(path), path, content)) return;
  }
  throw SystemError(FailureKind::changed,
                    "other runs kept replacing it while this run was writing it; nothing was "
                    "replaced");
}

void replaceFile(const HeldFolder& start, std::string_view path, std::string_view content) {
  replaceFile(start, start.find(path), path, content);
}

}  // namespace tessark
