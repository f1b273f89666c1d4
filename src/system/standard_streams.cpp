// The stream buffers of the standard streams, over the system's reads and writes.
#include "system/standard_streams.hpp"

namespace tessark {

StandardInputBuffer::int_type StandardInputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const std::size_t got = readStandardInput(buffer_.data(), buffer_.size());
  if (got == 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return traits_type::to_int_type(*gptr());
}

bool StandardOutputBuffer::drain() {
  const auto pending = static_cast<std::size_t>(pptr() - pbase());
  // Once a write failed, the dialogue has a gap: nothing after it is worth showing.
  if (pending > 0 && !failed_) failed_ = !writeStandard(stream_, pbase(), pending);
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return !failed_;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int StandardOutputBuffer::sync() {
  return drain() ? 0 : -1;
}

}  // namespace tessark
