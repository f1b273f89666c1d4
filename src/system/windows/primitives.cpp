// The primitives of the system layer on Windows, over CreateFileW, GetFinalPathNameByHandleW,
// MoveFileExW (write-through), LockFileEx, FindFirstFileW, Sleep and rand_s. Departs from the
// contract: no folder sync, attributes kept for owner and group, no owner at all (every file is
// the user's, user 0), links followed as the system follows them.

// A link that leads nowhere is written through, in place, which makes its target and keeps it.
#define _CRT_RAND_S
#include "system/primitives.hpp"

#include <stdlib.h>
#include <wchar.h>

#include <string>

#include "system/windows/windows_io.hpp"

namespace tessark::primitives {
namespace {

// The attributes that a new content keeps from the file it replaces.
constexpr DWORD keptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// `attributes`, in the form that sets them: none at all would leave a file's as they were.
DWORD orNormal(DWORD attributes) {
  return attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// The byte that a run locks to claim its temporary file: far past any content, so that the lock
// never stands in the way of a write.
constexpr DWORD claimOffsetHigh = 0x40000000;

// `folder` and `name` joined with the system's separator.
std::wstring joined(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  if (folder.ends_with(L'\\')) return folder + name;
  return folder + L'\\' + name;
}

std::wstring pathOf(const Place& place, std::string_view name) {
  return joined(windows::widePath(place.folderPath), windows::widePath(name));
}

// Opens `path` for its attributes alone, links followed; a folder opens too.
HANDLE openForLooking(const std::wstring& path, DWORD flags = 0) {
  return ::CreateFileW(path.c_str(), 0, windows::shareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

// The path of the file that `file` is, links followed. Where the system cannot tell (some
// network and virtual drives), `path` will do.
std::wstring finalPathOf(HANDLE file, const std::wstring& path) {
  std::wstring resolved(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    if (length == 0) return path;
    if (length < resolved.size()) {
      resolved.resize(length);
      return resolved;
    }
    resolved.resize(length);
  }
}

// Splits `path` into its folder and its last name.
std::pair<std::wstring, std::wstring> split(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {L".", path};
  std::wstring folder = path.substr(0, slash == 0 ? 1 : slash);
  // "E:" alone names the volume, not its root folder.
  if (folder.ends_with(L':')) folder += L'\\';
  return {folder, path.substr(slash + 1)};
}

// Removes the file at `path`, read-only or not; false when it stays.
bool removeFile(const std::wstring& path) {
  if (::DeleteFileW(path.c_str())) return true;
  return ::GetLastError() == ERROR_ACCESS_DENIED &&
         ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL) && ::DeleteFileW(path.c_str());
}

// What `information` tells of a file or folder.
Entry entryFrom(const BY_HANDLE_FILE_INFORMATION& information) {
  const bool folder = information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  return {.kind = folder ? EntryKind::folder : EntryKind::regular,
          .identity = windows::identityOf(information),
          .links = information.nNumberOfLinks,
          .size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow,
          .permissions = information.dwFileAttributes & keptAttributes};
}

// Opens the folder at `path`; with `exclusive`, the open is the lock. Throws SystemError.
File openFolderAt(const std::wstring& path, bool exclusive) {
  // The lock is the open itself: adding files is writing to the folder, and while this handle
  // shares only reading, the same open by a second run fails with a sharing violation. Without
  // FILE_SHARE_DELETE the folder can be neither renamed nor removed, so that its name, by which
  // the files are opened, stays this folder's. A file browser can still list it.
  const DWORD access = FILE_LIST_DIRECTORY | FILE_TRAVERSE | (exclusive ? FILE_ADD_FILE : 0);
  const HANDLE handle =
      ::CreateFileW(path.c_str(), access, exclusive ? FILE_SHARE_READ : windows::shareAll, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (exclusive && error == ERROR_SHARING_VIOLATION) {
      throw SystemError(FailureKind::heldByAnotherRun, "in use");
    }
    throw windows::errorFrom(error);
  }
  File folder(handle);
  // Backup semantics open files too.
  if (!(windows::informationOf(folder).dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    throw windows::errorFrom(ERROR_DIRECTORY);
  }
  return folder;
}

}  // namespace

std::uint32_t currentUser() {
  return 0;
}

File openFolder(std::string_view path) {
  return openFolderAt(windows::widePath(path), false);
}

Entry entryOf(const File& file) {
  return entryFrom(windows::informationOf(file));
}

Located locate(const File&, const Entry&, std::string_view startPath, std::string_view path,
               std::uint32_t, bool) {
  // Windows opens no file relative to a handle: the walk is the system's own, by path.
  std::wstring full = joined(windows::widePath(startPath), windows::widePath(path));
  const HANDLE handle = openForLooking(full);
  if (handle != INVALID_HANDLE_VALUE) {
    const File file(handle);
    if (::GetFileType(handle) == FILE_TYPE_DISK) full = finalPathOf(handle, full);
  } else {
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) throw windows::errorFrom(error);
  }
  auto [folder, name] = split(full);
  Located found;
  found.place.ownFolder = openFolderAt(folder, false);
  found.place.folderEntry = entryOf(found.place.ownFolder);
  found.place.folderPath = windows::narrowPath(folder);
  found.place.name = windows::narrowPath(name);
  found.entry = entryAt(found.place);
  return found;
}

void requireTrustedFolder(const Entry&, const Entry&, std::string_view, std::uint32_t) {
  // No owner decides who may change a folder here.
}

bool sharedFolder(const Entry&) {
  return false;
}

Entry entryAt(const Place& place) {
  const std::wstring path = pathOf(place, place.name);
  const HANDLE handle = openForLooking(path);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
      throw windows::errorFrom(error);
    }
    return {};
  }
  const File file(handle);
  // A device or a pipe has no content to replace.
  const DWORD type = ::GetFileType(handle);
  if (type != FILE_TYPE_DISK) {
    if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) throw windows::lastError();
    return {.kind = EntryKind::other};
  }
  return entryOf(file);
}

File holdFolderAt(const Place& place, bool exclusive) {
  return openFolderAt(pathOf(place, place.name), exclusive);
}

File openAt(const Place& place, OpenMode mode, bool create) {
  DWORD access = GENERIC_READ;
  if (mode == OpenMode::rewrite) access = GENERIC_WRITE;
  if (mode == OpenMode::append) access = FILE_APPEND_DATA;
  const DWORD disposition = create ? CREATE_NEW : OPEN_EXISTING;
  const std::wstring path = pathOf(place, place.name);
  const HANDLE handle =
      ::CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES, windows::shareAll, nullptr,
                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (create && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)) {
      throw SystemError(FailureKind::changed, "the name was taken meanwhile");
    }
    // A folder opened as a file is refused as if access were denied.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      throw folderError();
    }
    throw windows::errorFrom(error);
  }
  return File(handle);
}

std::optional<File> createExclusive(const Place& place, std::string_view name,
                                    const Entry& earlier) {
  // Written while not yet read-only; that attribute comes with the rename. Shared for deleting,
  // so that it can be renamed while this run holds it.
  const std::wstring path = pathOf(place, name);
  const DWORD attributes = earlier.kind == EntryKind::regular ? earlier.permissions : 0;
  const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      orNormal(attributes & ~FILE_ATTRIBUTE_READONLY), nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return std::nullopt;
    throw windows::errorFrom(error);
  }
  return File(handle);
}

LockResult tryLock(const File& file) {
  // One byte far past any content, so that the lock never stands in the way of a write.
  OVERLAPPED at{};
  at.OffsetHigh = claimOffsetHigh;
  if (::LockFileEx(file.native(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &at)) {
    return LockResult::taken;
  }
  return ::GetLastError() == ERROR_LOCK_VIOLATION ? LockResult::busy : LockResult::unsupported;
}

void pause() {
  ::Sleep(10);
}

bool stillNamed(const Place&, std::string_view, const File& file) {
  // A file that another run took for abandoned is pending deletion, its name still standing.
  FILE_STANDARD_INFO information{};
  return ::GetFileInformationByHandleEx(file.native(), FileStandardInfo, &information,
                                        sizeof information) &&
         !information.DeletePending;
}

std::optional<File> openLeftover(const Place& place, std::string_view name) {
  const HANDLE handle =
      ::CreateFileW(pathOf(place, name).c_str(), GENERIC_READ | DELETE, windows::shareAll, nullptr,
                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  return File(handle);
}

void removeOpened(const Place& place, std::string_view name, const File& file) {
  // Only the file of that name in that folder, never one that a link under the name leads to:
  // Wine opens the target of a Unix link whatever it is asked. Where the system cannot tell the
  // two apart, nothing is removed.
  const std::wstring folder = finalPathOf(place.folder().native(), L"");
  const std::wstring opened = finalPathOf(file.native(), L"");
  if (folder.empty() || opened.empty() ||
      ::_wcsicmp(opened.c_str(), joined(folder, windows::widePath(name)).c_str()) != 0) {
    return;
  }
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!::SetFileInformationByHandle(file.native(), FileDispositionInfo, &disposition,
                                    sizeof disposition)) {
    // A read-only leftover refuses; it is cleared first.
    ::SetFileAttributesW(pathOf(place, name).c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetFileInformationByHandle(file.native(), FileDispositionInfo, &disposition,
                                 sizeof disposition);
  }
}

bool isDanglingLink(const Place& place) {
  const std::wstring path = pathOf(place, place.name);
  // Windows opens the link itself.
  const HANDLE link = openForLooking(path, FILE_FLAG_OPEN_REPARSE_POINT);
  if (link != INVALID_HANDLE_VALUE) {
    ::CloseHandle(link);
    return true;
  }
  // Wine hides a Unix link that leads nowhere from every look; only making a file under its name
  // shows it. The probe is gone when it is closed.
  const HANDLE probe = ::CreateFileW(path.c_str(), GENERIC_WRITE, windows::shareAll, nullptr,
                                     CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    ::CloseHandle(probe);
    return false;
  }
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

File openThroughLink(const Place& place) {
  // Opening the link for writing follows it, and makes its target.
  const std::wstring path = pathOf(place, place.name);
  const HANDLE handle =
      ::CreateFileW(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, windows::shareAll, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw windows::lastError();
  return File(handle);
}

bool keepOwnership(File&, const Entry&) {
  // The attributes are given with the rename: a read-only file could not be written.
  return true;
}

void renameOver(const Place& place, std::string_view from, const Entry& current) {
  const std::wstring source = pathOf(place, from);
  const std::wstring target = pathOf(place, place.name);
  const DWORD attributes = current.kind == EntryKind::regular ? current.permissions : 0;
  const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  // A read-only file refuses to be replaced; it is replaced all the same, as on POSIX, and its
  // successor is read-only in turn.
  if (readOnly) {
    if (!::SetFileAttributesW(source.c_str(), attributes) ||
        !::SetFileAttributesW(target.c_str(), orNormal(attributes & ~FILE_ATTRIBUTE_READONLY))) {
      throw windows::lastError();
    }
  }
  if (::MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return;
  }
  const SystemError error = windows::lastError();
  if (readOnly) ::SetFileAttributesW(target.c_str(), attributes);
  throw error;
}

void removeAt(const Place& place, std::string_view name) {
  try {
    removeFile(pathOf(place, name));
  } catch (const SystemError&) {
    // Left for a later run, as a failure to remove is.
  }
}

std::vector<std::string> namesIn(const Place& place, std::string_view prefix) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = pathOf(place, std::string(prefix) + "*");
  const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(windows::narrowPath(found.cFileName));
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

void syncFolder(const Place&) {
  // Windows syncs no folder: MOVEFILE_WRITE_THROUGH makes the rename itself reach the disk.
}

std::optional<FileIdentity> followedBySystem(const File&, std::string_view path) {
  // The working folder is where relative paths begin: the handle is not needed.
  const HANDLE handle = openForLooking(windows::widePath(path));
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const File file(handle);
  BY_HANDLE_FILE_INFORMATION information{};
  if (::GetFileType(handle) != FILE_TYPE_DISK ||
      !::GetFileInformationByHandle(handle, &information)) {
    return std::nullopt;
  }
  return windows::identityOf(information);
}

std::optional<FileIdentity> identityOf(StandardStream stream) {
  // Only a file on a disk has an identity to compare.
  const HANDLE standard = ::GetStdHandle(windows::standardHandleId(stream));
  BY_HANDLE_FILE_INFORMATION information{};
  if (standard == nullptr || standard == INVALID_HANDLE_VALUE ||
      ::GetFileType(standard) != FILE_TYPE_DISK ||
      !::GetFileInformationByHandle(standard, &information)) {
    return std::nullopt;
  }
  return windows::identityOf(information);
}

SystemError folderError() {
  return {FailureKind::isFolder, "it is a folder"};
}

void fillRandom(std::span<unsigned char> bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += sizeof(unsigned int)) {
    unsigned int value = 0;
    if (::rand_s(&value) != 0) throw SystemError(FailureKind::other, "no random numbers");
    for (std::size_t i = 0; i < sizeof value && at + i < bytes.size(); ++i) {
      bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
  }
}

}  // namespace tessark::primitives
