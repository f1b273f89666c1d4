#include "system/held_folder.hpp"

#include <string>

#include "system/windows/windows_io.hpp"

namespace tessark {
namespace {

// Whether `path` names a folder.
bool isFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

HeldFolder::HeldFolder(std::string_view path, Lock lock) : path_(std::string(path) + '\\') {
  const std::wstring wide = windows::widePath(path);
  // The lock is the open itself: adding files is writing to the folder, and while this handle
  // shares only reading, the same open by a second run fails with a sharing violation. Without
  // FILE_SHARE_DELETE the folder can be neither renamed nor removed, so that its name, by which
  // the files are opened, stays this folder's. A file browser can still list it.
  const bool exclusive = lock == Lock::exclusive;
  const DWORD access = FILE_LIST_DIRECTORY | FILE_TRAVERSE | (exclusive ? FILE_ADD_FILE : 0);
  const HANDLE handle =
      ::CreateFileW(wide.c_str(), access, exclusive ? FILE_SHARE_READ : windows::shareAll, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (exclusive && error == ERROR_SHARING_VIOLATION) {
      throw SystemError(FailureKind::heldByAnotherRun, "in use");
    }
    throw windows::errorFrom(error);
  }
  folder_ = File(handle);
  // Backup semantics open files too.
  if (!(windows::informationOf(folder_).dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    throw windows::errorFrom(ERROR_DIRECTORY);
  }
}

File HeldFolder::open(std::string_view name, OpenMode mode) const {
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode == OpenMode::rewrite) access = GENERIC_WRITE;
  if (mode == OpenMode::append) access = FILE_APPEND_DATA;
  if (mode != OpenMode::read) disposition = OPEN_ALWAYS;
  // Windows opens no file relative to a handle; the held folder keeps its name meanwhile.
  const std::wstring path = windows::widePath(path_ + std::string(name));
  const HANDLE handle =
      ::CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES, windows::shareAll, nullptr,
                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    // A folder opened as a file is refused as if access were denied.
    if (error == ERROR_ACCESS_DENIED && isFolder(path)) {
      throw SystemError(FailureKind::notRegularFile, "it is a folder");
    }
    throw windows::errorFrom(error);
  }
  File file(handle);
  if (!file.regularSize()) throw SystemError(FailureKind::notRegularFile, "not a regular file");
  return file;
}

std::optional<FileIdentity> HeldFolder::identityOf(std::string_view name) const {
  return windows::identityAt(windows::widePath(path_ + std::string(name)));
}

}  // namespace tessark
