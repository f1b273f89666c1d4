#include "system/replace_file.hpp"

#include <string>

#include "system/windows/windows_io.hpp"

namespace tessark {
namespace {

// The name of the new content until it takes the place of the old. It is fixed, so that the
// next run finds what a killed run left; the run's lock on the work folder keeps two runs apart.
constexpr std::wstring_view temporarySuffix = L".tessark-new";

// The attributes that a new content keeps from the file it replaces.
constexpr DWORD keptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// `attributes`, in the form that sets them: none at all would leave a file's as they were.
DWORD orNormal(DWORD attributes) {
  return attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// The file at `path` as it stands before the run.
struct Earlier {
  bool exists = false;
  DWORD attributes = 0;
  bool inPlace = false;  // written in place rather than replaced
  std::wstring target;   // where the file is, links followed
};

// The path of the file that `file` is, links followed: a move onto a link would replace the
// link. Where the system cannot tell (some network and virtual drives), `path` will do.
std::wstring finalPathOf(const File& file, const std::wstring& path) {
  std::wstring resolved(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFinalPathNameByHandleW(file.native(), resolved.data(),
                                                     static_cast<DWORD>(resolved.size()), 0);
    if (length == 0) return path;
    if (length < resolved.size()) {
      resolved.resize(length);
      return resolved;
    }
    resolved.resize(length);
  }
}

Earlier examine(const std::wstring& path) {
  const HANDLE handle = ::CreateFileW(path.c_str(), 0, windows::shareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    // A missing folder on the way is found when the new file is made.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {.target = path};
    throw windows::errorFrom(error);
  }
  const File file(handle);
  // A device or a pipe has no content to replace.
  const DWORD type = ::GetFileType(handle);
  if (type != FILE_TYPE_DISK) {
    if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) throw windows::lastError();
    return {.exists = true, .inPlace = true, .target = path};
  }
  const BY_HANDLE_FILE_INFORMATION information = windows::informationOf(file);
  if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    throw SystemError(FailureKind::isFolder, "it is a folder");
  }
  // A second name of the file would lose its link to a new file.
  return {.exists = true,
          .attributes = information.dwFileAttributes & keptAttributes,
          .inPlace = information.nNumberOfLinks > 1,
          .target = finalPathOf(file, path)};
}

// Rewrites the file at `path` in place. A write that fails leaves only what reached the file,
// never the new content's head followed by the old content's tail.
void writeInPlace(const std::wstring& path, bool exists, std::string_view content) {
  File file = windows::openFile(path, GENERIC_WRITE | FILE_READ_ATTRIBUTES, windows::shareAll,
                                exists ? OPEN_EXISTING : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  file.rewrite(content);
}

// Removes the file at `path`, read-only or not; returns the error code of a failure, and
// ERROR_SUCCESS when there was none or no file to remove.
DWORD removeFile(const std::wstring& path) {
  if (::DeleteFileW(path.c_str())) return ERROR_SUCCESS;
  DWORD error = ::GetLastError();
  if (error == ERROR_ACCESS_DENIED && ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    if (::DeleteFileW(path.c_str())) return ERROR_SUCCESS;
    error = ::GetLastError();
  }
  return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

// Puts the file at `from` in the place of the one at `to`. A read-only file refuses to be
// replaced; it is replaced all the same, as on POSIX, and its successor is read-only in turn.
void move(const std::wstring& from, const std::wstring& to, DWORD earlierAttributes) {
  const bool readOnly = earlierAttributes & FILE_ATTRIBUTE_READONLY;
  if (readOnly &&
      !::SetFileAttributesW(to.c_str(), orNormal(earlierAttributes & ~FILE_ATTRIBUTE_READONLY))) {
    throw windows::lastError();
  }
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return;
  }
  const SystemError error = windows::lastError();
  if (readOnly) ::SetFileAttributesW(to.c_str(), earlierAttributes);
  throw error;
}

}  // namespace

void replaceFile(std::string_view path, std::string_view content) {
  const std::wstring wide = windows::widePath(path);
  const Earlier earlier = examine(wide);
  if (earlier.inPlace) return writeInPlace(earlier.target, earlier.exists, content);

  const std::wstring temporary = earlier.target + std::wstring(temporarySuffix);
  // A folder where no file can be made, or removed: the file itself may still be writable.
  if (const DWORD error = removeFile(temporary)) {
    if (error == ERROR_ACCESS_DENIED) return writeInPlace(earlier.target, earlier.exists, content);
    throw windows::errorFrom(error);
  }
  // Written while not yet read-only; that attribute comes when the content is complete.
  const HANDLE handle =
      ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    orNormal(earlier.attributes & ~FILE_ATTRIBUTE_READONLY), nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED) return writeInPlace(earlier.target, earlier.exists, content);
    throw windows::errorFrom(error);
  }
  try {
    File file(handle);
    file.write(content);
    file.sync();
    file.close();
    if ((earlier.attributes & FILE_ATTRIBUTE_READONLY) &&
        !::SetFileAttributesW(temporary.c_str(), earlier.attributes)) {
      throw windows::lastError();
    }
    move(temporary, earlier.target, earlier.attributes);
  } catch (const SystemError&) {
    // Left behind when it cannot be removed, it is removed by the next run.
    removeFile(temporary);
    throw;
  }
}

std::optional<FileIdentity> identityOfPath(std::string_view path) {
  return windows::identityAt(windows::widePath(path));
}

}  // namespace tessark
