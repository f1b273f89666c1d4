// makeSecondName: gives a file a second name (a hard link) where the file system makes them, so
// that a test can tell a system without them, and skip, from a failure.
#pragma once

#include <filesystem>

namespace tessark::testing {

// Gives `file` the second name `name`; false where the file system makes no hard links. Any
// other failure throws std::filesystem::filesystem_error.
bool makeSecondName(const std::filesystem::path& file, const std::filesystem::path& name);

}  // namespace tessark::testing
