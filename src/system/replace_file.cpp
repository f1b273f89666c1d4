// The policy of replacing a file, written once for every system over the primitives of each side
// (primitives.hpp): when to replace and when to write in place, the standard-stream case, the
// run's own temporary file and the clean-up of abandoned ones, the checks that nothing changed on
// the way, and syncing.
#include "system/replace_file.hpp"

#include <array>
#include <string>
#include <utility>

#include "system/held_folder.hpp"
#include "system/primitives.hpp"
#include "system/standard_streams.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

using primitives::Entry;
using primitives::EntryKind;
using primitives::Place;

// Temporary files begin so, and are hidden on the systems that hide names beginning with a dot.
constexpr std::string_view temporaryPrefix = ".tessark-";
// What earlier versions named their one temporary file, after the target's name.
constexpr std::string_view earlierTemporarySuffix = ".tessark-new";

// The working folder, where the paths of the run begin.
File workingFolder() {
  return primitives::holdFolder(".", false);
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

  // Puts it in the place of the target, where `current` stands, and closes it; the claim holds
  // until then.
  void renameOver(const Entry& current) {
    primitives::renameOver(place_, name_, current);
    renamed_ = true;
    file_.close();
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

// Makes this run's temporary file beside `place`. A name already taken, by whatever stands
// there, is never used: another is drawn.
std::optional<Temporary> makeTemporary(const Place& place, std::uint32_t permissions) {
  for (int attempt = 0; attempt < 64; ++attempt) {
    std::string name = newTemporaryName();
    if (std::optional<File> file = primitives::createClaimed(place, name, permissions)) {
      return std::optional<Temporary>(std::in_place, place, std::move(name), std::move(*file));
    }
  }
  throw SystemError(FailureKind::other, "no free name for a temporary file");
}

// This run's temporary file beside `place`; nothing where the folder lets no file be made, but
// the earlier file may still be written in place.
std::optional<Temporary> tryMakeTemporary(const Place& place, const Entry& earlier) {
  const bool exists = earlier.kind != EntryKind::missing;
  try {
    return makeTemporary(place, exists ? earlier.permissions : primitives::defaultPermissions());
  } catch (const SystemError& error) {
    if (error.kind() == FailureKind::notPermitted && exists) return std::nullopt;
    throw;
  }
}

// Removes the temporary files that killed runs left beside `place`.
void removeAbandoned(const Place& place) {
  for (const std::string& name : primitives::namesIn(place, temporaryPrefix)) {
    primitives::removeIfAbandoned(place, name);
  }
  primitives::removeIfAbandoned(place, place.name + std::string(earlierTemporarySuffix));
}

// Cuts the file at `place` to nothing and writes `content` in it. It must still be the file that
// was looked at.
void writeInPlace(const Place& place, const Entry& earlier, std::string_view content) {
  File file = primitives::openAt(place, OpenMode::rewrite, false);
  if (earlier.kind == EntryKind::regular && file.identity() != earlier.identity) {
    throw SystemError(FailureKind::changed, "it changed while the run was writing it");
  }
  file.replaceContent(content);
}

// Whether this run replaces what stands at a place whole: nothing, or a regular file of the user
// with no second name.
bool replaceable(const Entry& entry) {
  return entry.kind == EntryKind::missing ||
         (entry.kind == EntryKind::regular && entry.links == 1 && entry.ownedByUser);
}

// What stands at `place` now. Stops when `path` no longer leads there (a link or folder on the way
// changed), or when what stands there changed into something this run would not replace. Another
// run that replaced the file meanwhile changed nothing on the way: the last to rename wins.
Entry requireUnchanged(std::string_view path, const Place& place, const Entry& earlier) {
  const File start = workingFolder();
  const Place now = primitives::locate(start, "", path);
  const Entry entry = primitives::entryAt(now);
  const bool sameWay =
      now.name == place.name && now.folder().identity() == place.folder().identity();
  const bool sameEntry = entry.kind == earlier.kind &&
                         (entry.kind == EntryKind::missing || entry.identity == earlier.identity);
  if (!sameWay || !(sameEntry || replaceable(entry))) {
    throw SystemError(FailureKind::changed,
                      "a link or file on its way changed while the run was writing it; nothing "
                      "was replaced");
  }
  return entry;
}

}  // namespace

void replaceFile(std::string_view path, std::string_view content) {
  // Where standard output or error goes, the content follows what the stream has written: a new
  // file would take the player's log away from the stream.
  if (const std::optional<StandardStream> stream = primitives::standardStreamAt(path)) {
    if (!writeStandard(*stream, content.data(), content.size())) {
      throw SystemError(FailureKind::other, "the standard stream it leads to cannot be written");
    }
    return;
  }

  const File start = workingFolder();
  const Place place = primitives::locate(start, "", path);
  const Entry earlier = primitives::entryAt(place);
  switch (earlier.kind) {
    case EntryKind::folder:
      throw primitives::folderError();
    case EntryKind::other:
      // A device or a pipe has no content to replace.
      return writeInPlace(place, earlier, content);
    case EntryKind::regular:
      // A second name of the file, or a file that is another user's, would lose its link or its
      // owner to a new file.
      if (earlier.links > 1 || !earlier.ownedByUser) {
        removeAbandoned(place);
        return writeInPlace(place, earlier, content);
      }
      break;
    case EntryKind::missing:
      break;
  }

  removeAbandoned(place);
  std::optional<Temporary> temporary = tryMakeTemporary(place, earlier);
  if (!temporary) return writeInPlace(place, earlier, content);
  if (earlier.kind == EntryKind::regular &&
      !primitives::keepOwnership(temporary->file(), earlier)) {
    temporary.reset();
    return writeInPlace(place, earlier, content);
  }
  temporary->file().write(content);
  temporary->file().sync();
  temporary->renameOver(requireUnchanged(path, place, earlier));
  try {
    // Until the folder itself reaches the disk, a crash may undo the rename.
    primitives::syncFolder(place);
  } catch (const SystemError& error) {
    throw SystemError(FailureKind::notSynced, error.what());
  }
}

std::optional<FileTarget> targetOfPath(std::string_view path) {
  try {
    return HeldFolder(".", HeldFolder::Lock::none).targetOf(path);
  } catch (const SystemError&) {
    return std::nullopt;
  }
}

}  // namespace tessark
