// SwappedStream on Windows: the stream's handle saved with GetStdHandle and put back with
// SetStdHandle. Windows' anonymous pipes are not made non-blocking here.
#include <windows.h>

#include <stdexcept>

#include "support/standard_stream_swap.hpp"
#include "system/windows/windows_io.hpp"

namespace tessark::testing {

SwappedStream::SwappedStream(StandardStream stream, With with) : stream_(stream) {
  saved_ = ::GetStdHandle(windows::standardHandleId(stream));
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
    testEnd_ = File(input ? writeEnd : readEnd);
  }
  placed_ = File(put);
  ::SetStdHandle(windows::standardHandleId(stream), put);
}

void SwappedStream::restore() {
  if (restored_) return;
  restored_ = true;
  ::SetStdHandle(windows::standardHandleId(stream_), saved_);
  placed_ = File();
}

}  // namespace tessark::testing
