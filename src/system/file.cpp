// What File does the same way on every system: ownership of the handle, and the content written
// in place, over the handle calls that each side implements (posix/file.cpp, windows/file.cpp).
#include "system/file.hpp"

#include <utility>

#include "system/system_error.hpp"

namespace tessark {

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, noHandle())), written_(other.written_) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (isOpen()) closeHandle(handle_);
    handle_ = std::exchange(other.handle_, noHandle());
    written_ = other.written_;
  }
  return *this;
}

File::~File() {
  if (isOpen()) closeHandle(handle_);
}

void File::replaceContent(std::string_view content) {
  // Cut first: a kill in the middle of the write then leaves a start of the new content alone.
  if (regularSize().value_or(0) > 0) truncate(0);
  write(content);
  close();
}

}  // namespace tessark
