// What the Windows side of the system layer shares: errors from GetLastError(), paths in the
// system's wide characters, the ids of the standard handles, and reads and writes over a handle.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "system/file.hpp"
#include "system/standard_streams.hpp"
#include "system/system_error.hpp"

namespace tessark::windows {

// The SystemError for the system error code `error`, in the system's own words.
SystemError errorFrom(DWORD error);

// The SystemError for the last failed call of this thread.
SystemError lastError();

// `path` as the wide-character functions take it, with '/' turned into '\\'. Throws SystemError.
std::wstring widePath(std::string_view path);

// The wide path `path` in UTF-8, as the rest of the program names files. Throws SystemError.
std::string narrowPath(std::wstring_view path);

// What GetStdHandle and SetStdHandle call a standard stream.
DWORD standardHandleId(StandardStream stream);

// Reads at most `size` bytes from `handle`; returns 0 at its end (for a pipe, when its writer
// closed it). Throws SystemError.
std::size_t readSome(HANDLE handle, char* buffer, std::size_t size);

// Writes all `size` bytes to `handle`, adding each part that reached it to `written`. Returns
// ERROR_SUCCESS, or the error code of the write that failed.
DWORD writeAll(HANDLE handle, const char* text, std::size_t size, std::uint64_t& written);

// Opens `path` with CreateFileW; the handle is owned at once. Throws SystemError.
File openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);

// What GetFileInformationByHandle tells of `file`. Throws SystemError.
BY_HANDLE_FILE_INFORMATION informationOf(const File& file);

// The identity of the file that `information` describes.
inline FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION& information) {
  return {information.dwVolumeSerialNumber,
          (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

// Every share mode, for files that other programs may use at the same time.
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace tessark::windows
