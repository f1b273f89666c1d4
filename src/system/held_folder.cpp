// What HeldFolder does the same way on every system, over the primitives of each side: the walk
// to a work file, the refusal of anything but a regular file, and making a missing file where its
// name leads.
#include "system/held_folder.hpp"

#include "system/primitives.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

using primitives::EntryKind;

// How often a name that changes between the look and the open is looked at again.
constexpr int lookUps = 3;

SystemError notRegular() {
  return {FailureKind::notRegularFile, "not a regular file"};
}

}  // namespace

HeldFolder::HeldFolder(std::string_view path, Lock lock)
    : folder_(primitives::holdFolder(path, lock == Lock::exclusive)), path_(path) {}

File HeldFolder::open(std::string_view name, OpenMode mode) const {
  for (int attempt = 1;; ++attempt) {
    const primitives::Place place = primitives::locate(folder_, path_, name);
    try {
      const primitives::Entry entry = primitives::entryAt(place);
      if (entry.kind == EntryKind::folder || entry.kind == EntryKind::other) throw notRegular();
      const bool create = entry.kind == EntryKind::missing && mode != OpenMode::read;
      File file = primitives::openAt(place, mode, create);
      if (!file.regularSize()) throw notRegular();
      return file;
    } catch (const SystemError& error) {
      if (error.kind() == FailureKind::changed && attempt < lookUps) continue;
      // A pipe or device that took the place of a file since it was looked at.
      if (error.kind() == FailureKind::noReader || error.kind() == FailureKind::isFolder) {
        throw notRegular();
      }
      throw;
    }
  }
}

std::optional<FileTarget> HeldFolder::targetOf(std::string_view name) const {
  try {
    const primitives::Place place = primitives::locate(folder_, path_, name);
    const primitives::Entry entry = primitives::entryAt(place);
    // The folder tells a missing file's place alone; an existing file is told by itself.
    if (entry.kind != EntryKind::missing) return FileTarget{entry.identity, {}, {}};
    return FileTarget{std::nullopt, place.folder().identity(), place.name};
  } catch (const SystemError&) {
    return std::nullopt;
  }
}

bool isFolder(std::string_view path) {
  try {
    const File start = primitives::holdFolder(".", false);
    return primitives::entryAt(primitives::locate(start, "", path)).kind == EntryKind::folder;
  } catch (const SystemError&) {
    return false;
  }
}

}  // namespace tessark
