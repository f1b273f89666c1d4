// statusOf and stateOf of entry_state_posix.hpp, over lstat.
#include "support/entry_state_posix.hpp"

#include <gtest/gtest.h>

#include "support/work_folder.hpp"

namespace tessark::testing {

struct stat statusOf(const std::filesystem::path& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status;
}

std::string stateOf(const std::filesystem::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return "<none>";
  std::string state = std::to_string(status.st_mode) + " " + std::to_string(status.st_uid) + " " +
                      std::to_string(status.st_ino) + " ";
  if (S_ISREG(status.st_mode)) state += readFile(path);
  if (S_ISLNK(status.st_mode)) state += std::filesystem::read_symlink(path).string();
  return state;
}

}  // namespace tessark::testing
