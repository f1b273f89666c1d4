// The primitives of the system layer on POSIX, over openat with O_NOFOLLOW and O_EXCL, fstatat,
// readlinkat, renameat, unlinkat, fchown, fchmod, getentropy, nanosleep and the replaceable calls
// (flock, geteuid, fsync, fstatat and openat of files, the listing of a folder). Departs from the
// contract nowhere; a file system that cannot sync a folder (EINVAL) counts as synced.

// flock, of BSD and Linux rather than POSIX, locks a folder or a file itself and ends with the
// process; no POSIX lock can do that.
#include "system/primitives.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "system/posix/posix_io.hpp"
#include "system/posix/replaceable_calls.hpp"

namespace tessark::primitives {
namespace {

// How many links one walk follows before it takes them for a loop, as the kernel does.
constexpr int mostLinks = 40;

Entry entryFrom(const struct stat& status) {
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
  entry.size = static_cast<std::uint64_t>(status.st_size);
  entry.owner = static_cast<std::uint32_t>(status.st_uid);
  entry.permissions = static_cast<std::uint32_t>(status.st_mode & 07777);
  entry.group = static_cast<std::uint32_t>(status.st_gid);
  return entry;
}

// Opens the folder `name` in `folder` without following a link. A folder that may be searched but
// not read opens for searching alone, where the system allows it and `searchOnly` does.
File openFolderNamed(int folder, const char* name, bool searchOnly = true) {
  int fd = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
#ifdef O_PATH
  if (fd < 0 && errno == EACCES && searchOnly) {
    fd = ::openat(folder, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
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

// Whether `path` is one name, which one look settles unless it is a link.
bool isPlainName(std::string_view path) {
  return !path.empty() && path.find('/') == std::string_view::npos && path != "." && path != "..";
}

// `folderPath` and `name` joined, as a message names what was walked.
std::string joined(const std::string& folderPath, const std::string& name) {
  std::string path = folderPath;
  if (!path.empty() && !path.ends_with('/')) path += '/';
  path += name;
  return path;
}

// Throws untrusted where the link `link` (described by `status`) in the folder that `holder`
// describes lies in a world-writable sticky folder and belongs to neither `user` nor the folder's
// owner: another user may have planted it. The kernel's protected_symlinks applies the same rule,
// when it is on.
void requireTrusted(const Entry& holder, const struct stat& status, const std::string& link,
                    std::uint32_t user) {
  const auto owner = static_cast<std::uint32_t>(status.st_uid);
  if (sharedFolder(holder) && owner != user && owner != holder.owner) {
    std::string reason = "\"";
    reason += link;
    reason +=
        "\" is another user's link in a folder that everyone may write to, and is not followed";
    throw SystemError(FailureKind::untrusted, reason);
  }
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

std::uint32_t currentUser() {
  return posix::effectiveUser();
}

File openFolder(std::string_view path) {
  return openFolderNamed(AT_FDCWD, std::string(path).c_str());
}

Entry entryOf(const File& file) {
  return entryFrom(posix::statusOf(file.native()));
}

Located locate(const File& start, const Entry& startEntry, std::string_view startPath,
               std::string_view path, std::uint32_t user, bool trustedFolders) {
  Located found{Place{File(), &start, startEntry, std::string(startPath), {}}, {}};
  Place& place = found.place;
  struct stat status {};
  // Most paths are a plain name that is no link: one look settles them. A link found so is
  // followed by the walk below from that look.
  bool looked = false;
  if (isPlainName(path)) {
    place.name = path;
    if (posix::statAt(start.native(), place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT) return found;
      throw posix::errorFrom(errno);
    }
    if (!S_ISLNK(status.st_mode)) {
      found.entry = entryFrom(status);
      return found;
    }
    place.name.clear();
    looked = true;
  }
  std::string pending(path);
  const auto restartAtRoot = [&] {
    place.ownFolder = openFolderNamed(AT_FDCWD, "/");
    place.folderEntry = entryOf(place.ownFolder);
    place.folderPath.assign(1, '/');
  };
  if (path.starts_with('/')) restartAtRoot();
  int links = 0;
  for (;;) {
    std::string name = nextName(pending);
    if (name.empty() || name == ".") break;
    const bool last = noNameLeft(pending);
    const int folder = place.folder().native();
    if (!std::exchange(looked, false) &&
        posix::statAt(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT || !last) throw posix::errorFrom(errno);
      place.name = std::move(name);
      return found;
    }
    if (S_ISLNK(status.st_mode)) {
      if (++links > mostLinks) throw posix::errorFrom(ELOOP);
      requireTrusted(place.folderEntry, status, joined(place.folderPath, name), user);
      std::string target = linkTarget(folder, name);
      if (!pending.empty()) target += '/';
      pending.insert(0, target);
      if (target.starts_with('/')) restartAtRoot();
      continue;
    }
    if (last) {
      place.name = std::move(name);
      found.entry = entryFrom(status);
      return found;
    }
    File next = openFolderNamed(folder, name.c_str());
    const Entry entered = entryOf(next);
    std::string enteredPath = joined(place.folderPath, name);
    if (trustedFolders) requireTrustedFolder(entered, place.folderEntry, enteredPath, user);
    place.folderEntry = entered;
    place.ownFolder = std::move(next);
    place.folderPath = std::move(enteredPath);
  }
  // A path that names a folder itself ends in it: its name in its parent is not needed.
  place.name.assign(1, '.');
  found.entry = place.folderEntry;
  return found;
}

void requireTrustedFolder(const Entry& folder, const Entry& holder, std::string_view path,
                          std::uint32_t user) {
  std::string_view why;
  if ((folder.permissions & S_IWOTH) && !(folder.permissions & S_ISVTX)) {
    why = "\" is a folder that every user may write to, and is not used";
  } else if (folder.owner != user && folder.owner != 0 && folder.owner != holder.owner) {
    why = "\" is another user's folder, and is not used";
  }
  if (!why.empty()) {
    std::string reason = "\"";
    reason += path;
    reason += why;
    throw SystemError(FailureKind::untrusted, reason);
  }
}

bool sharedFolder(const Entry& folder) {
  return (folder.permissions & S_ISVTX) && (folder.permissions & S_IWOTH);
}

Entry entryAt(const Place& place) {
  struct stat status {};
  if (posix::statAt(place.folder().native(), place.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) !=
      0) {
    if (errno == ENOENT) return {};
    throw posix::errorFrom(errno);
  }
  if (S_ISLNK(status.st_mode)) {
    throw SystemError(FailureKind::changed, "a link took the place of a file");
  }
  return entryFrom(status);
}

File holdFolderAt(const Place& place, bool exclusive) {
  // A lock needs a folder opened for reading.
  File folder = openFolderNamed(place.folder().native(), place.name.c_str(), false);
  if (exclusive && posix::lockFile(folder.native(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) throw SystemError(FailureKind::heldByAnotherRun, "in use");
    throw posix::errorFrom(errno);
  }
  return folder;
}

File openAt(const Place& place, OpenMode mode, bool create) {
  // O_NONBLOCK: a pipe without a reader or writer must not hang the run; it makes no difference
  // to a regular file. Writes wait all the same (posix_io.cpp).
  int flags = flagsOf(mode) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  if (create) flags |= O_CREAT | O_EXCL;
  const int fd = posix::openFileAt(place.folder().native(), place.name.c_str(), flags, 0666);
  if (fd < 0) {
    if (errno == ELOOP || (create && errno == EEXIST)) {
      throw SystemError(FailureKind::changed, std::strerror(errno));
    }
    throw posix::errorFrom(errno);
  }
  return File(fd);
}

std::optional<File> createExclusive(const Place& place, std::string_view name,
                                    const Entry& earlier) {
  // For the user alone until keepOwnership gives it the earlier file's group and mode: a member
  // of the user's own group must not open it meanwhile.
  const mode_t mode = earlier.kind == EntryKind::missing ? 0666 : 0600;
  const int fd =
      posix::openFileAt(place.folder().native(), std::string(name).c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
  if (fd < 0) {
    if (errno == EEXIST) return std::nullopt;
    throw posix::errorFrom(errno);
  }
  return File(fd);
}

LockResult tryLock(const File& file) {
  if (posix::lockFile(file.native(), LOCK_EX | LOCK_NB) == 0) return LockResult::taken;
  return errno == EWOULDBLOCK || errno == EINTR ? LockResult::busy : LockResult::unsupported;
}

void pause() {
  const timespec wait{0, 10'000'000};
  ::nanosleep(&wait, nullptr);
}

bool stillNamed(const Place& place, std::string_view name, const File& file) {
  struct stat named {};
  return posix::statAt(place.folder().native(), std::string(name).c_str(), &named,
                       AT_SYMLINK_NOFOLLOW) == 0 &&
         posix::identityOf(named) == file.identity();
}

std::optional<File> openLeftover(const Place& place, std::string_view name) {
  const int fd = posix::openFileAt(place.folder().native(), std::string(name).c_str(),
                                   O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
  if (fd < 0) return std::nullopt;
  return File(fd);
}

void removeOpened(const Place& place, std::string_view name, const File&) {
  removeAt(place, name);
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
  // A folder that cannot be read lists nothing: what it holds cannot be found.
  if (!posix::namesInFolder(place.folder().native(), names)) return {};
  std::erase_if(names, [&](const std::string& name) { return !name.starts_with(prefix); });
  return names;
}

void syncFolder(const Place& place) {
  // Some file systems cannot sync a folder, and say so with EINVAL: nothing more can be done
  // there. A folder that may be searched but not read is open for searching alone (O_PATH),
  // which cannot be synced (EBADF): that is a failure like any other.
  if (posix::syncFile(place.folder().native()) == 0 || errno == EINVAL) return;
  if (errno == EBADF) {
    throw SystemError(FailureKind::other, "its folder may not be read, so it cannot be synced");
  }
  throw posix::errorFrom(errno);
}

std::optional<FileIdentity> followedBySystem(const File& start, std::string_view path) {
  struct stat status {};
  if (posix::statAt(start.native(), std::string(path).c_str(), &status, 0) != 0)
    return std::nullopt;
  return posix::identityOf(status);
}

std::optional<FileIdentity> identityOf(StandardStream stream) {
  struct stat status {};
  if (::fstat(posix::descriptorOf(stream), &status) != 0) return std::nullopt;
  return posix::identityOf(status);
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
