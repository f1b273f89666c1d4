// makeSecondName: a hard link, or word that the file system makes none.
#include "support/second_name.hpp"

#include <system_error>

namespace tessark::testing {

bool makeSecondName(const std::filesystem::path& file, const std::filesystem::path& name) {
  std::error_code error;
  std::filesystem::create_hard_link(file, name, error);
  if (!error) return true;
  // Emscripten's file systems say "too many links" of any file; Linux says EPERM where a file
  // system makes no links, and others say they do not support them.
  if (error == std::errc::too_many_links || error == std::errc::operation_not_permitted ||
      error == std::errc::operation_not_supported) {
    return false;
  }
  throw std::filesystem::filesystem_error("create_hard_link", file, name, error);
}

}  // namespace tessark::testing
