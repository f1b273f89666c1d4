#include "system/file.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "system/posix/posix_io.hpp"

namespace tessark {

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, noHandle())), written_(other.written_) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (handle_ >= 0) ::close(handle_);
    handle_ = std::exchange(other.handle_, noHandle());
    written_ = other.written_;
  }
  return *this;
}

File::~File() {
  if (handle_ >= 0) ::close(handle_);
}

std::size_t File::read(std::span<char> buffer) {
  return posix::readSome(handle_, buffer.data(), buffer.size());
}

void File::write(std::string_view text) {
  if (const int error = posix::writeAll(handle_, text.data(), text.size(), written_)) {
    throw posix::errorFrom(error);
  }
}

void File::truncate(std::uint64_t size) {
  while (::ftruncate(handle_, static_cast<off_t>(size)) != 0) {
    if (errno != EINTR) throw posix::errorFrom(errno);
  }
}

void File::sync() {
  if (::fsync(handle_) != 0) throw posix::errorFrom(errno);
}

std::optional<std::uint64_t> File::regularSize() const {
  struct stat status {};
  if (::fstat(handle_, &status) != 0) throw posix::errorFrom(errno);
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

void File::close() {
  // The descriptor is gone after close() whatever it returns, EINTR included.
  const int result = ::close(std::exchange(handle_, noHandle()));
  if (result != 0 && errno != EINTR) throw posix::errorFrom(errno);
}

}  // namespace tessark
