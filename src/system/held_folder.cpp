// What HeldFolder does the same way on every system, over the primitives of each side: the
// folders held, the walk to a file, the refusal of anything but a regular file, and making a
// missing file where its name leads.
#include "system/held_folder.hpp"

#include <utility>

#include "system/primitives.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

// How often a name that changes between the look and the open is looked at again.
constexpr int lookUps = 3;

SystemError notRegular() {
  return {FailureKind::notRegularFile, "not a regular file"};
}

// Runs `attempt` again, up to lookUps times in all, while what it looked at changes meanwhile.
template <typename Attempt>
auto lookingAgain(Attempt attempt) {
  for (int look = 1;; ++look) {
    try {
      return attempt();
    } catch (const SystemError& error) {
      if (error.kind() != FailureKind::changed || look == lookUps) throw;
    }
  }
}

// `place` and its name joined, as messages name what is there.
std::string pathOf(const Place& place) {
  std::string path = place.folderPath;
  if (!path.empty() && !path.ends_with('/')) path += '/';
  path += place.name;
  return path;
}

}  // namespace

HeldFolder::HeldFolder(File folder, const Entry& entry, std::string path, std::uint32_t user,
                       Folders folders)
    : folder_(std::move(folder)),
      entry_(entry),
      path_(std::move(path)),
      user_(user),
      folders_(folders) {}

HeldFolder HeldFolder::working() {
  File folder = primitives::openFolder(".");
  const Entry entry = primitives::entryOf(folder);
  return HeldFolder(std::move(folder), entry, "", primitives::currentUser(), Folders::any);
}

HeldFolder::HeldFolder(std::string_view path, Lock lock) : HeldFolder(working().hold(path, lock)) {}

HeldFolder HeldFolder::hold(std::string_view path, Lock lock, Folders folders) const {
  const bool trusted = folders == Folders::trusted || folders_ == Folders::trusted;
  return lookingAgain([&] {
    const Located found = primitives::locate(folder_, entry_, path_, path, user_, trusted);
    std::string named = pathOf(found.place);
    // Refused as it was looked at, before it is opened and locked; and again as it was opened.
    if (trusted && found.entry.kind == EntryKind::folder) {
      primitives::requireTrustedFolder(found.entry, found.place.folderEntry, named, user_);
    }
    File folder = primitives::holdFolderAt(found.place, lock == Lock::exclusive);
    const Entry entry = primitives::entryOf(folder);
    // The folder looked at, not one put in its place since.
    if (entry.identity != found.entry.identity) {
      throw SystemError(FailureKind::changed, "the folder changed while it was opened");
    }
    if (trusted) primitives::requireTrustedFolder(entry, found.place.folderEntry, named, user_);
    return HeldFolder(std::move(folder), entry, std::move(named), user_,
                      trusted ? Folders::trusted : Folders::any);
  });
}

Located HeldFolder::find(std::string_view path) const {
  return primitives::locate(folder_, entry_, path_, path, user_, folders_ == Folders::trusted);
}

std::optional<FileTarget> HeldFolder::targetOf(std::string_view path) const {
  try {
    return find(path).target();
  } catch (const SystemError&) {
    return std::nullopt;
  }
}

OpenedFile HeldFolder::open(const Located& found, OpenMode mode) const {
  if (found.entry.kind == EntryKind::folder || found.entry.kind == EntryKind::other) {
    throw notRegular();
  }
  if (mode != OpenMode::read) requireNotPlanted(found, user_);
  const bool create = found.entry.kind == EntryKind::missing && mode != OpenMode::read;
  try {
    File file = primitives::openAt(found.place, mode, create);
    const Entry opened = primitives::entryOf(file);
    if (opened.kind != EntryKind::regular) throw notRegular();
    if (!create && opened.identity != found.entry.identity) {
      throw SystemError(FailureKind::changed, "another file took its place");
    }
    return {std::move(file), opened.identity, opened.size, opened.links};
  } catch (const SystemError& error) {
    // A pipe or device that took the place of a file since it was looked at.
    if (error.kind() == FailureKind::noReader || error.kind() == FailureKind::isFolder) {
      throw notRegular();
    }
    throw;
  }
}

void requireNotPlanted(const Located& found, std::uint32_t user) {
  const Entry& holder = found.place.folderEntry;
  if (found.entry.kind == EntryKind::regular && found.entry.owner != user &&
      found.entry.owner != holder.owner && primitives::sharedFolder(holder)) {
    throw SystemError(FailureKind::untrusted,
                      "\"" + pathOf(found.place) +
                          "\" is another user's file in a folder that everyone may write to, and "
                          "is not written");
  }
}

File HeldFolder::open(std::string_view path, OpenMode mode) const {
  return lookingAgain([&] { return open(find(path), mode).file; });
}

}  // namespace tessark
