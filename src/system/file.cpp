// What File does the same way on every system, over the operations each system implements.
#include "system/file.hpp"

#include "system/system_error.hpp"

namespace tessark {

void File::rewrite(std::string_view content) {
  const std::optional<std::uint64_t> earlierSize = regularSize();
  try {
    write(content);
  } catch (const SystemError&) {
    try {
      if (earlierSize) truncate(written());
    } catch (const SystemError&) {
      // The failed write is the one to name.
    }
    throw;
  }
  if (earlierSize && *earlierSize > written()) truncate(written());
  close();
}

}  // namespace tessark
