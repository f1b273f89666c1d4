// The handle calls of File on Windows: ReadFile, WriteFile, SetEndOfFile, FlushFileBuffers,
// GetFileInformationByHandle and CloseHandle. A file cut keeps its position, as on POSIX.
#include "system/file.hpp"

#include <utility>

#include "system/windows/windows_io.hpp"

namespace tessark {

bool File::closeHandle(NativeHandle handle) {
  return ::CloseHandle(handle) != 0;
}

std::size_t File::read(std::span<char> buffer) {
  return windows::readSome(handle_, buffer.data(), buffer.size());
}

void File::write(std::string_view text) {
  if (const DWORD error = windows::writeAll(handle_, text.data(), text.size(), written_)) {
    throw windows::errorFrom(error);
  }
}

void File::truncate(std::uint64_t size) {
  // SetEndOfFile cuts at the file position, which is then put back.
  LARGE_INTEGER position{};
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(size);
  if (!::SetFilePointerEx(handle_, {}, &position, FILE_CURRENT) ||
      !::SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN) || !::SetEndOfFile(handle_) ||
      !::SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN)) {
    throw windows::lastError();
  }
}

void File::sync() {
  if (!::FlushFileBuffers(handle_)) throw windows::lastError();
}

std::optional<std::uint64_t> File::regularSize() const {
  const DWORD type = ::GetFileType(handle_);
  if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) throw windows::lastError();
  if (type != FILE_TYPE_DISK) return std::nullopt;
  const BY_HANDLE_FILE_INFORMATION information = windows::informationOf(*this);
  if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
}

FileIdentity File::identity() const {
  return windows::identityOf(windows::informationOf(*this));
}

void File::close() {
  if (!closeHandle(std::exchange(handle_, noHandle()))) throw windows::lastError();
}

}  // namespace tessark
