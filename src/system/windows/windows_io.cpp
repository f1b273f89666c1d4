// The Windows side's shared helpers: error codes turned into SystemError in the system's own
// words, UTF-8 and wide paths, and reads and writes over a handle in parts of 32-bit sizes.
#include "system/windows/windows_io.hpp"

#include <algorithm>
#include <array>

namespace tessark::windows {
namespace {

// The longest part handed to one ReadFile or WriteFile, whose sizes are 32-bit.
constexpr std::size_t largestPart = 1u << 30;

// The system's text for `error`, without the closing period and line end that it carries: the
// caller ends its own sentence.
std::string textOf(DWORD error) {
  std::array<char, 512> text{};
  DWORD length =
      ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, text.data(), static_cast<DWORD>(text.size()), nullptr);
  while (length > 0 && std::string_view(" \t\r\n.").find(text[length - 1]) != std::string::npos) {
    --length;
  }
  if (length == 0) return "system error " + std::to_string(error);
  return std::string(text.data(), length);
}

}  // namespace

SystemError errorFrom(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return {FailureKind::missing, textOf(error)};
    // A pipe whose reader closed it, or that no server offers.
    case ERROR_NO_DATA:
    case ERROR_BROKEN_PIPE:
    case ERROR_PIPE_NOT_CONNECTED:
    case ERROR_PIPE_BUSY:
      return {FailureKind::noReader, textOf(error)};
    case ERROR_ACCESS_DENIED:
      return {FailureKind::notPermitted, textOf(error)};
    default:
      return {FailureKind::other, textOf(error)};
  }
}

SystemError lastError() {
  return errorFrom(::GetLastError());
}

std::wstring widePath(std::string_view path) {
  std::wstring wide;
  if (!path.empty()) {
    // UTF-8 takes any name as the POSIX side does its bytes; the program's own names are ASCII.
    const int size = static_cast<int>(path.size());
    const int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
    if (length <= 0) throw lastError();
    wide.resize(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(), length);
  }
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

std::string narrowPath(std::wstring_view path) {
  std::string narrow;
  if (!path.empty()) {
    const int size = static_cast<int>(path.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, path.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) throw lastError();
    narrow.resize(static_cast<std::size_t>(length));
    ::WideCharToMultiByte(CP_UTF8, 0, path.data(), size, narrow.data(), length, nullptr, nullptr);
  }
  return narrow;
}

std::size_t readSome(HANDLE handle, char* buffer, std::size_t size) {
  DWORD got = 0;
  if (::ReadFile(handle, buffer, static_cast<DWORD>(std::min(size, largestPart)), &got, nullptr)) {
    // Nothing read is the end, as the C runtime takes it: a console gives it for Ctrl+Z.
    return got;
  }
  const DWORD error = ::GetLastError();
  // A pipe ends by its writer closing it, which the reader sees as a broken pipe.
  if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) return 0;
  // A message longer than the buffer: the rest comes with the next read.
  if (error == ERROR_MORE_DATA) return got;
  throw errorFrom(error);
}

DWORD writeAll(HANDLE handle, const char* text, std::size_t size, std::uint64_t& written) {
  while (size > 0) {
    DWORD put = 0;
    const BOOL done =
        ::WriteFile(handle, text, static_cast<DWORD>(std::min(size, largestPart)), &put, nullptr);
    written += put;
    text += put;
    size -= put;
    if (!done) return ::GetLastError();
    // A write that takes nothing would be tried for ever.
    if (put == 0) return ERROR_WRITE_FAULT;
  }
  return ERROR_SUCCESS;
}

File openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
  const HANDLE handle =
      ::CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw lastError();
  return File(handle);
}

BY_HANDLE_FILE_INFORMATION informationOf(const File& file) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(file.native(), &information)) throw lastError();
  return information;
}

}  // namespace tessark::windows
