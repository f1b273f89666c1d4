// What stands at a path, the path itself not followed, for tests that check that a run changed
// a file, a link or a name, or left it alone.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace tessark::testing {

// What lstat tells of `path`; a test that calls it fails when there is nothing.
struct stat statusOf(const std::filesystem::path& path);

// Its kind, owner and identity, and a file's bytes or a link's target; "<none>" for nothing.
std::string stateOf(const std::filesystem::path& path);

}  // namespace tessark::testing
