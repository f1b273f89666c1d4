// The primitives of the system layer on POSIX, over openat with O_NOFOLLOW and O_EXCL, fstatat,
// readlinkat, renameat, unlinkat, fdopendir, fchown, fchmod, fsync, getentropy and flock. Departs
// from the contract nowhere; a file system that cannot sync a folder (EINVAL) counts as synced.

// flock, of BSD and Linux rather than POSIX, locks a folder or a file itself and ends with the
// process; no POSIX lock can do that.
#include "system/primitives.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "system/posix/posix_io.hpp"

namespace tessark::primitives {
namespace {

// How many links one walk follows before it takes them for a loop, as the kernel does.
constexpr int mostLinks = 40;

// Opens the folder `name` in `folder` without following a link; a folder that may be searched
// but not read opens for searching alone, where the system allows it.
File openFolderAt(int folder, const std::string& name) {
  int fd = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
#ifdef O_PATH
  if (fd < 0 && errno == EACCES) {
    fd = ::openat(folder, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  }
#endif
  if (fd < 0) {
    // A link that took the place of the folder looked at fails so, with ELOOP or ENOTDIR.
    if (errno == ELOOP || errno == ENOTDIR) {
      throw SystemError(FailureKind::changed, std::strerror(errno));
    }
    throw posix::errorFrom(errno);
  }
  return File(fd);
}

// The target of the link `name` in `folder`. The size that fstatat gives is no guide: links of
// /proc give 64, and some file systems 0.
std::string linkTarget(int folder, const std::string& name) {
  for (std::size_t size = 256;; size *= 2) {
    std::string target(size, '\0');
    const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
    if (length < 0) {
      // No longer a link: it changed since it was looked at.
      if (errno == EINVAL) throw SystemError(FailureKind::changed, std::strerror(errno));
      throw posix::errorFrom(errno);
    }
    if (static_cast<std::size_t>(length) < size) {
      target.resize(static_cast<std::size_t>(length));
      return target;
    }
  }
}

// Takes the first name off `pending`, a path; empty names and "." stand for nothing. Empty when
// no name is left.
std::string nextName(std::string& pending) {
  for (;;) {
    const std::size_t slash = pending.find('/');
    std::string name = pending.substr(0, slash);
    pending.erase(0, slash == std::string::npos ? pending.size() : slash + 1);
    if ((!name.empty() && name != ".") || pending.empty()) return name;
  }
}

// Whether `pending` holds no name but empty ones and ".".
bool noNameLeft(const std::string& pending) {
  if (pending.empty()) return true;
  std::string rest = pending;
  const std::string name = nextName(rest);
  return name.empty() || name == ".";
}

// `folderPath` and `name` joined, as a message names what was walked.
std::string joined(const std::string& folderPath, const std::string& name) {
  std::string path = folderPath;
  if (!path.empty() && !path.ends_with('/')) path += '/';
  path += name;
  return path;
}

// Throws untrustedLink where the link `link` (described by `status`) in `folder` lies in a
// world-writable sticky folder and belongs to neither the user nor the folder's owner: another
// user may have planted it. The kernel's protected_symlinks applies the same rule, when it is on.
void requireTrusted(const File& folder, const struct stat& status, const std::string& link) {
  const struct stat holder = posix::statusOf(folder.native());
  const bool shared = (holder.st_mode & S_ISVTX) && (holder.st_mode & S_IWOTH);
  if (shared && status.st_uid != ::geteuid() && status.st_uid != holder.st_uid) {
    std::string reason = "\"";
    reason += link;
    reason +=
        "\" is another user's link in a folder that everyone may write to, and is not followed";
    throw SystemError(FailureKind::untrustedLink, reason);
  }
}

Entry entryOf(const struct stat& status) {
  Entry entry;
  if (S_ISREG(status.st_mode)) {
    entry.kind = EntryKind::regular;
  } else if (S_ISDIR(status.st_mode)) {
    entry.kind = EntryKind::folder;
  } else {
    entry.kind = EntryKind::other;
  }
  entry.identity = posix::identityOf(status);
  entry.links = static_cast<std::uint64_t>(status.st_nlink);
  entry.ownedByUser = status.st_uid == ::geteuid();
  entry.permissions = static_cast<std::uint32_t>(status.st_mode & 07777);
  entry.group = static_cast<std::uint32_t>(status.st_gid);
  return entry;
}

int flagsOf(OpenMode mode) {
  switch (mode) {
    case OpenMode::rewrite:
      return O_WRONLY;
    case OpenMode::append:
      return O_WRONLY | O_APPEND;
    case OpenMode::read:
      break;
  }
  return O_RDONLY;
}

}  // namespace

File holdFolder(std::string_view path, bool exclusive) {
  const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw posix::errorFrom(errno);
  File folder(fd);
  if (exclusive && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) throw SystemError(FailureKind::heldByAnotherRun, "in use");
    throw posix::errorFrom(errno);
  }
  return folder;
}

Place locate(const File& start, std::string_view startPath, std::string_view path) {
  Place place{File(), &start, std::string(startPath), {}};
  // Most paths are a plain name that is no link: one look settles them.
  if (!path.empty() && path.find('/') == std::string_view::npos && path != "." && path != "..") {
    place.name = path;
    struct stat status {};
    if (::fstatat(start.native(), place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT) return place;
      throw posix::errorFrom(errno);
    }
    if (!S_ISLNK(status.st_mode)) return place;
    place.name.clear();
  }
  std::string pending(path);
  const auto restartAtRoot = [&] {
    place.ownFolder = holdFolder("/", false);
    place.folderPath.assign(1, '/');
  };
  if (path.starts_with('/')) restartAtRoot();
  int links = 0;
  for (;;) {
    std::string name = nextName(pending);
    if (name.empty() || name == ".") break;
    const bool last = noNameLeft(pending);
    const int folder = place.folder().native();
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT || !last) throw posix::errorFrom(errno);
      place.name = std::move(name);
      break;
    }
    if (S_ISLNK(status.st_mode)) {
      if (++links > mostLinks) throw posix::errorFrom(ELOOP);
      requireTrusted(place.folder(), status, joined(place.folderPath, name));
      std::string target = linkTarget(folder, name);
      if (!pending.empty()) target += '/';
      pending.insert(0, target);
      if (target.starts_with('/')) restartAtRoot();
      continue;
    }
    if (last) {
      place.name = std::move(name);
      break;
    }
    File next = openFolderAt(folder, name);
    place.ownFolder = std::move(next);
    place.folderPath = joined(place.folderPath, name);
  }
  // A path that names a folder itself ends in it: its name in its parent is not needed.
  if (place.name.empty()) place.name.assign(1, '.');
  return place;
}

Entry entryAt(const Place& place) {
  struct stat status {};
  if (::fstatat(place.folder().native(), place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return {};
    throw posix::errorFrom(errno);
  }
  if (S_ISLNK(status.st_mode)) {
    throw SystemError(FailureKind::changed, "a link took the place of a file");
  }
  return entryOf(status);
}

File openAt(const Place& place, OpenMode mode, bool create) {
  // O_NONBLOCK: a pipe without a reader or writer must not hang the run; it makes no difference
  // to a regular file. Writes wait all the same (posix_io.cpp).
  int flags = flagsOf(mode) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  if (create) flags |= O_CREAT | O_EXCL;
  const int fd = ::openat(place.folder().native(), place.name.c_str(), flags, 0666);
  if (fd < 0) {
    if (errno == ELOOP || (create && errno == EEXIST)) {
      throw SystemError(FailureKind::changed, std::strerror(errno));
    }
    throw posix::errorFrom(errno);
  }
  return File(fd);
}

std::optional<File> createClaimed(const Place& place, std::string_view name, const Entry& earlier) {
  const std::string named(name);
  // For the user alone until keepOwnership gives it the earlier file's group and mode: a member
  // of the user's own group must not open it meanwhile.
  const mode_t mode = earlier.kind == EntryKind::missing ? 0666 : 0600;
  const int fd = ::openat(place.folder().native(), named.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
  if (fd < 0) {
    if (errno == EEXIST) return std::nullopt;
    throw posix::errorFrom(errno);
  }
  File file(fd);
  // Another run may have taken it for abandoned between its making and the lock: then the name
  // is no longer this file's, and another name is tried.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
  struct stat named_status {};
  if (::fstatat(place.folder().native(), named.c_str(), &named_status, AT_SYMLINK_NOFOLLOW) != 0 ||
      posix::identityOf(named_status) != file.identity()) {
    return std::nullopt;
  }
  return file;
}

bool keepOwnership(File& file, const Entry& earlier) {
  const struct stat status = posix::statusOf(file.native());
  // The group first: changing it may clear the set-group-ID bit, which the mode then restores.
  if (status.st_gid != static_cast<gid_t>(earlier.group) &&
      ::fchown(file.native(), static_cast<uid_t>(-1), static_cast<gid_t>(earlier.group)) != 0) {
    if (errno == EPERM || errno == EACCES) return false;
    throw posix::errorFrom(errno);
  }
  // The mode given at making passed through the umask; the earlier file's bits are kept whole.
  if (::fchmod(file.native(), static_cast<mode_t>(earlier.permissions)) != 0) {
    throw posix::errorFrom(errno);
  }
  return true;
}

bool lockForWriting(const File& file) {
  // Bounded: a lock that another program keeps must not hang the run.
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (::flock(file.native(), LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return true;  // no locks here: nothing to wait for
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

bool isDanglingLink(const Place&) {
  // The walk followed every link itself: a missing name is no link.
  return false;
}

File openThroughLink(const Place& place) {
  return openAt(place, OpenMode::rewrite, false);
}

void renameOver(const Place& place, std::string_view from, const Entry&) {
  const int folder = place.folder().native();
  if (::renameat(folder, std::string(from).c_str(), folder, place.name.c_str()) != 0) {
    throw posix::errorFrom(errno);
  }
}

void removeAt(const Place& place, std::string_view name) {
  ::unlinkat(place.folder().native(), std::string(name).c_str(), 0);
}

std::vector<std::string> namesIn(const Place& place, std::string_view prefix) {
  std::vector<std::string> names;
  // fdopendir takes the descriptor it is given: a copy of the folder's, reading from its start.
  const int fd = ::openat(place.folder().native(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return names;
  DIR* listing = ::fdopendir(fd);
  if (listing == nullptr) {
    ::close(fd);
    return names;
  }
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name(entry->d_name);
    if (name.starts_with(prefix)) names.emplace_back(name);
  }
  ::closedir(listing);
  return names;
}

void removeIfAbandoned(const Place& place, std::string_view name) {
  const std::string named(name);
  const int folder = place.folder().native();
  const int fd =
      ::openat(folder, named.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  const File file(fd);
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
    return;
  }
  // A live run holds the lock on its temporary file to its end.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return;
  struct stat named_status {};
  if (::fstatat(folder, named.c_str(), &named_status, AT_SYMLINK_NOFOLLOW) == 0 &&
      posix::identityOf(named_status) == posix::identityOf(status)) {
    ::unlinkat(folder, named.c_str(), 0);
  }
}

void syncFolder(const Place& place) {
  // Some file systems cannot sync a folder, and say so with EINVAL; a folder opened for searching
  // alone (O_PATH) cannot be synced either, with EBADF.
  if (::fsync(place.folder().native()) != 0 && errno != EINVAL && errno != EBADF) {
    throw posix::errorFrom(errno);
  }
}

std::optional<StandardStream> standardStreamAt(std::string_view path) {
  // The system follows the links here: only what it reaches is compared, nothing is opened.
  struct stat file {};
  if (::stat(std::string(path).c_str(), &file) != 0) return std::nullopt;
  for (const StandardStream stream : {StandardStream::output, StandardStream::error}) {
    struct stat status {};
    if (::fstat(posix::descriptorOf(stream), &status) == 0 &&
        posix::identityOf(status) == posix::identityOf(file)) {
      return stream;
    }
  }
  return std::nullopt;
}

SystemError folderError() {
  return posix::errorFrom(EISDIR);
}

void fillRandom(std::span<unsigned char> bytes) {
  // getentropy gives at most 256 bytes a call.
  for (std::size_t at = 0; at < bytes.size(); at += 256) {
    const std::size_t size = std::min<std::size_t>(256, bytes.size() - at);
    if (::getentropy(bytes.data() + at, size) != 0) throw posix::errorFrom(errno);
  }
}

}  // namespace tessark::primitives
