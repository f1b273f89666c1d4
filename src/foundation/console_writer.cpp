// ConsoleWriter's buffer: filled, delivered when full or asked, dropped after a failed delivery.
#include "foundation/console_writer.hpp"

#include <algorithm>

namespace tessark {

ConsoleWriter& ConsoleWriter::operator<<(std::string_view text) {
  const bool endsLine = !text.empty() && text.back() == '\n';
  while (!failed_ && !text.empty()) {
    const std::size_t part = std::min(text.size(), buffer_.size() - used_);
    std::copy_n(text.data(), part, buffer_.data() + used_);
    used_ += part;
    text.remove_prefix(part);
    if (used_ == buffer_.size()) flush();
  }
  if (endsLine && delivery_ == Delivery::eachLine) flush();
  return *this;
}

bool ConsoleWriter::flush() {
  if (used_ > 0 && !failed_) failed_ = !deliver({buffer_.data(), used_});
  used_ = 0;
  return !failed_;
}

}  // namespace tessark
