// SwappedStream on Windows: the stream's handle saved with GetStdHandle and put back with
// SetStdHandle. Windows' anonymous pipes are not made non-blocking here.
#include <windows.h>

#include <stdexcept>
#include <utility>

#include "support/standard_stream_swap.hpp"

namespace tessark::testing {
namespace {

DWORD idOf(StandardStream stream) {
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

HANDLE handleOf(std::intptr_t value) {
  return reinterpret_cast<HANDLE>(value);
}

std::intptr_t valueOf(HANDLE handle) {
  return reinterpret_cast<std::intptr_t>(handle);
}

}  // namespace

SwappedStream::SwappedStream(StandardStream stream, With with) : stream_(stream) {
  saved_ = valueOf(::GetStdHandle(idOf(stream)));
  HANDLE put = nullptr;
  if (with == With::unreadable) {
    put = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, 0, nullptr);
  } else if (with != With::nothing) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, nullptr, 0)) throw std::runtime_error("no pipe");
    const bool input = stream == StandardStream::input;
    put = input ? readEnd : writeEnd;
    testEnd_ = valueOf(input ? writeEnd : readEnd);
  }
  streamHandle_ = valueOf(put);
  ::SetStdHandle(idOf(stream), put);
}

SwappedStream::~SwappedStream() {
  restore();
  closeTestEnd();
}

void SwappedStream::put(std::string_view text) {
  DWORD written = 0;
  if (!::WriteFile(handleOf(testEnd_), text.data(), static_cast<DWORD>(text.size()), &written,
                   nullptr) ||
      written != text.size()) {
    throw std::runtime_error("write to the pipe failed");
  }
}

std::string SwappedStream::take(std::size_t size) {
  std::string taken;
  char buffer[4096];
  while (taken.size() < size) {
    DWORD got = 0;
    if (!::ReadFile(handleOf(testEnd_), buffer, sizeof buffer, &got, nullptr) || got == 0) break;
    taken.append(buffer, got);
  }
  return taken;
}

void SwappedStream::closeTestEnd() {
  if (testEnd_ != -1) ::CloseHandle(handleOf(std::exchange(testEnd_, -1)));
}

void SwappedStream::restore() {
  if (restored_) return;
  restored_ = true;
  ::SetStdHandle(idOf(stream_), handleOf(saved_));
  if (streamHandle_ != 0) ::CloseHandle(handleOf(streamHandle_));
}

}  // namespace tessark::testing
