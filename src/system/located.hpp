// What a walk along a path finds: the name it ends at in an open folder (Place), what stands
// there, the name itself not followed (Entry), and the two together (Located).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "system/file.hpp"

namespace tessark {

// What stands under a name, the name itself not followed.
enum class EntryKind { missing, regular, folder, other };

struct Entry {
  EntryKind kind = EntryKind::missing;
  FileIdentity identity{};
  std::uint64_t links = 0;
  // The size of a regular file.
  std::uint64_t size = 0;
  // The POSIX owner; 0 on Windows, where no owner decides anything here.
  std::uint32_t owner = 0;
  // What a file made in its place keeps: the POSIX mode bits, or the Windows attributes.
  std::uint32_t permissions = 0;
  // The POSIX group; 0 on Windows.
  std::uint32_t group = 0;
};

// A name in an open folder: where a path leads once every link on the way is followed. The name
// itself is no link when the walk ends, though it may be missing. The folder is the walk's own
// once it left the folder it started in, which must outlive it.
struct Place {
  File ownFolder;
  const File* startFolder = nullptr;
  // What the folder is, read once: its identity, owner and mode.
  Entry folderEntry;
  // The folder as the walk reached it: for messages, and for the systems that open by path.
  std::string folderPath;
  std::string name;

  const File& folder() const { return ownFolder.isOpen() ? ownFolder : *startFolder; }
};

// A path as one walk found it: the place it leads to and what stands there.
struct Located {
  Place place;
  Entry entry;

  // Where the path leads: the file there, or the folder and name where writing would make one.
  FileTarget target() const {
    if (entry.kind != EntryKind::missing) return {entry.identity, {}, {}};
    return {std::nullopt, place.folderEntry.identity, place.name};
  }
};

}  // namespace tessark
