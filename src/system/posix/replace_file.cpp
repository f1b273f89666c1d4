#include "system/replace_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "system/posix/posix_io.hpp"

namespace tessark {
namespace {

// The name of the new content until it takes the place of the old. It is fixed, so that the
// next run finds what a killed run left; the run's lock on the work folder keeps two runs apart.
constexpr std::string_view temporarySuffix = ".tessark-new";

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The target of the symbolic link at `path`. The size that lstat gives is no guide: links of
// /proc give 64, and some file systems 0.
std::string linkTarget(const std::string& path) {
  for (std::size_t size = 256;; size *= 2) {
    std::string target(size, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) throw posix::errorFrom(errno);
    if (static_cast<std::size_t>(length) < size) {
      target.resize(static_cast<std::size_t>(length));
      return target;
    }
  }
}

// The path that the chain of symbolic links at `path` ends in.
std::string followLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
      // A missing file ends the chain, to be created; any other failure leaves unknown whether a
      // link is there, and a link taken for a file would be replaced by one.
      if (errno == ENOENT) return path;
      throw posix::errorFrom(errno);
    }
    if (!S_ISLNK(status.st_mode)) return path;
    const std::string target = linkTarget(path);
    path = target.starts_with('/') || path.find('/') == std::string::npos
               ? target
               : folderOf(path) + "/" + target;
  }
  throw posix::errorFrom(ELOOP);
}

// The standard stream, output or error, that goes to `file`, as through a link to /dev/stdout;
// -1 for none. A new file would take the player's log away from the stream, and a file opened
// anew would write where the stream has already written.
int standardStreamOf(const struct stat& file) {
  for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat stream {};
    if (::fstat(fd, &stream) == 0 && stream.st_dev == file.st_dev && stream.st_ino == file.st_ino) {
      return fd;
    }
  }
  return -1;
}

// Rewrites the file at `path` in place. A write that fails leaves only what reached the file,
// never the new content's head followed by the old content's tail.
void writeInPlace(const std::string& path, std::string_view content) {
  // Opening never waits: a pipe that nothing reads fails with ENXIO. Writes wait all the same.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) throw posix::errorFrom(errno);
  File file(fd);
  file.rewrite(content);
}

// Makes a rename in `folder` last: until the folder itself reaches the disk, a crash may undo it.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw posix::errorFrom(errno);
  File handle(fd);
  // Some file systems cannot sync a folder, and say so with EINVAL.
  if (::fsync(fd) != 0 && errno != EINVAL) throw posix::errorFrom(errno);
}

}  // namespace

void replaceFile(std::string_view path, std::string_view content) {
  const std::string named(path);
  struct stat earlier {};
  const bool exists = ::stat(named.c_str(), &earlier) == 0;
  if (!exists && errno != ENOENT) throw posix::errorFrom(errno);
  if (exists && S_ISDIR(earlier.st_mode)) throw posix::errorFrom(EISDIR);
  // Where standard output or error goes, the content follows what the stream has written.
  if (const int stream = exists ? standardStreamOf(earlier) : -1; stream >= 0) {
    std::uint64_t written = 0;
    if (const int error = posix::writeAll(stream, content.data(), content.size(), written)) {
      throw posix::errorFrom(error);
    }
    return;
  }
  // A device or a pipe has no content to replace; a second name of the file, or a file that is
  // another user's, would lose its link or its owner to a new file.
  if (exists &&
      (!S_ISREG(earlier.st_mode) || earlier.st_nlink > 1 || earlier.st_uid != ::geteuid())) {
    // What a killed run may have left beside it goes all the same.
    ::unlink((named + std::string(temporarySuffix)).c_str());
    return writeInPlace(named, content);
  }

  const std::string target = followLinks(named);
  const std::string temporary = target + std::string(temporarySuffix);
  if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) {
    if (errno == EACCES || errno == EPERM) return writeInPlace(target, content);
    throw posix::errorFrom(errno);
  }
  const mode_t mode = exists ? earlier.st_mode & 07777 : 0666;
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd < 0) {
    // A folder where no file can be made: the file itself may still be writable.
    if (errno == EACCES || errno == EPERM) return writeInPlace(target, content);
    throw posix::errorFrom(errno);
  }
  try {
    File file(fd);
    // The mode given to open() passed through the umask; the earlier file's bits are kept whole.
    if (exists && ::fchmod(fd, mode) != 0) throw posix::errorFrom(errno);
    file.write(content);
    file.sync();
    file.close();
    if (::rename(temporary.c_str(), target.c_str()) != 0) throw posix::errorFrom(errno);
  } catch (const SystemError&) {
    ::unlink(temporary.c_str());
    throw;
  }
  try {
    syncFolder(folderOf(target));
  } catch (const SystemError& error) {
    throw SystemError(FailureKind::notSynced, error.what());
  }
}

std::optional<FileIdentity> identityOfPath(std::string_view path) {
  struct stat status {};
  if (::stat(std::string(path).c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace tessark
