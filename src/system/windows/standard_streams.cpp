// The standard streams on Windows: GetStdHandle, GetFileType to tell whether one is open, NUL for
// a missing standard error. Departs from the contract in that no signal ends a process for a
// failed write, so there is nothing to switch off.
#include "system/standard_streams.hpp"

#include <cstdint>

#include "system/windows/windows_io.hpp"

namespace tessark {

DWORD windows::standardHandleId(StandardStream stream) {
  switch (stream) {
    case StandardStream::input:
      return STD_INPUT_HANDLE;
    case StandardStream::output:
      return STD_OUTPUT_HANDLE;
    case StandardStream::error:
      break;
  }
  return STD_ERROR_HANDLE;
}

namespace {

HANDLE handleOf(StandardStream stream) {
  return ::GetStdHandle(windows::standardHandleId(stream));
}

}  // namespace

bool isOpen(StandardStream stream) {
  // A process started without the handle has none; one given a handle that was closed since
  // has one that the system no longer knows.
  const HANDLE handle = handleOf(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  const DWORD type = ::GetFileType(handle);
  if (type == FILE_TYPE_UNKNOWN) return ::GetLastError() == NO_ERROR;
  // No stream can be a folder. Under Wine, a descriptor that was closed at start is taken by the
  // first file that Wine opens: the working folder.
  FILE_BASIC_INFO information{};
  return type != FILE_TYPE_DISK ||
         !::GetFileInformationByHandleEx(handle, FileBasicInfo, &information, sizeof information) ||
         !(information.FileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool openStandardErrorOnNullDevice() {
  const HANDLE handle = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  if (::SetStdHandle(STD_ERROR_HANDLE, handle)) return true;
  ::CloseHandle(handle);
  return false;
}

void letFailedWritesReturn() {
  // Nothing to do: Windows ends no process for writing to a pipe without a reader or past a
  // size limit; the write fails, and that failure is reported.
}

std::size_t readStandardInput(char* buffer, std::size_t size) {
  return windows::readSome(handleOf(StandardStream::input), buffer, size);
}

bool writeStandard(StandardStream stream, const char* text, std::size_t size) {
  // The bytes go out as they are, "\n" included: a console and a pipe take them so.
  std::uint64_t written = 0;
  return windows::writeAll(handleOf(stream), text, size, written) == ERROR_SUCCESS;
}

}  // namespace tessark
