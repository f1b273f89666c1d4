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

}  // namespace

HeldFolder::HeldFolder(File folder, const Entry& entry, std::string path, std::uint32_t user)
    : folder_(std::move(folder)), entry_(entry), path_(std::move(path)), user_(user) {}

HeldFolder HeldFolder::working() {
  File folder = primitives::openFolder(".");
  const Entry entry = primitives::entryOf(folder);
  return HeldFolder(std::move(folder), entry, "", primitives::currentUser());
}

HeldFolder::HeldFolder(std::string_view path, Lock lock) : HeldFolder(working().hold(path, lock)) {}

HeldFolder HeldFolder::hold(std::string_view path, Lock lock) const {
  return lookingAgain([&] {
    const Located found = find(path);
    File folder = primitives::holdFolderAt(found.place, lock == Lock::exclusive);
    const Entry entry = primitives::entryOf(folder);
    // The folder looked at, not one put in its place since.
    if (entry.identity != found.entry.identity) {
      throw SystemError(FailureKind::changed, "the folder changed while it was opened");
    }
    std::string named = found.place.folderPath;
    if (!named.empty() && !named.ends_with('/')) named += '/';
    named += found.place.name;
    return HeldFolder(std::move(folder), entry, std::move(named), user_);
  });
}

Located HeldFolder::find(std::string_view path) const {
  return primitives::locate(folder_, entry_, path_, path, user_);
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
  const bool create = found.entry.kind == EntryKind::missing && mode != OpenMode::read;
  try {
    File file = primitives::openAt(found.place, mode, create);
    const Entry opened = primitives::entryOf(file);
    if (opened.kind != EntryKind::regular) throw notRegular();
    if (!create && opened.identity != found.entry.identity) {
      throw SystemError(FailureKind::changed, "another file took its place");
    }
    return {std::move(file), opened.identity, opened.size};
  } catch (const SystemError& error) {
    // A pipe or device that took the place of a file since it was looked at.
    if (error.kind() == FailureKind::noReader || error.kind() == FailureKind::isFolder) {
      throw notRegular();
    }
    throw;
  }
}

File HeldFolder::open(std::string_view path, OpenMode mode) const {
  return lookingAgain([&] { return open(find(path), mode).file; });
}

}  // namespace tessark
