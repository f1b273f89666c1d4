// The handle calls of File on POSIX: read, write, ftruncate, fsync (replaceable), fstat and close
// on a descriptor. Reads and writes wait on a descriptor left non-blocking (posix_io.cpp).
#include "system/file.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "system/posix/posix_io.hpp"
#include "system/posix/replaceable_calls.hpp"

namespace tessark {

bool File::closeHandle(NativeHandle handle) {
  // The descriptor is gone after close() whatever it returns, EINTR included.
  return ::close(handle) == 0 || errno == EINTR;
}

std::size_t File::read(std::span<char> buffer) {
  return posix::readSome(handle_, buffer.data(), buffer.size());
}

void File::write(std::string_view text) {
  const int error =
      posix::writeAll(handle_, text.data(), text.size(), written_, writeWaitSeconds * 1000);
  if (error == ETIMEDOUT) {
    throw SystemError(FailureKind::noReader, "nothing took what was written for a while");
  }
  if (error != 0) throw posix::errorFrom(error);
}

void File::truncate(std::uint64_t size) {
  while (::ftruncate(handle_, static_cast<off_t>(size)) != 0) {
    if (errno != EINTR) throw posix::errorFrom(errno);
  }
}

void File::sync() {
  if (posix::syncFile(handle_) != 0) throw posix::errorFrom(errno);
}

std::optional<std::uint64_t> File::regularSize() const {
  const struct stat status = posix::statusOf(handle_);
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

FileIdentity File::identity() const {
  return posix::identityOf(posix::statusOf(handle_));
}

void File::close() {
  if (!closeHandle(std::exchange(handle_, noHandle()))) throw posix::errorFrom(errno);
}

}  // namespace tessark
