// ConsoleReader: the bytes of the answers, taken one at a time from blocks that a source gives,
// with the end of the input and a read that wanted more than it held kept as its state.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessark {

// Reads what a source gives block by block: the standard input (foundation/standard_console.hpp)
// or, in the tests, a text in memory.
//
//   for (int c = in.peek(); c != ConsoleReader::end; c = in.peek()) in.take();
class ConsoleReader {
 public:
  // What peek() gives once the input has ended.
  static constexpr int end = -1;

  ConsoleReader() = default;
  ConsoleReader(const ConsoleReader&) = delete;
  ConsoleReader& operator=(const ConsoleReader&) = delete;
  virtual ~ConsoleReader() = default;

  // The next byte, 0 to 255, left in the input; `end` once the input has ended. Asks the source
  // for the next block when this one is used up, and never again once it gave none.
  int peek() {
    if (next_ == last_ && !refill()) return end;
    return static_cast<unsigned char>(*next_);
  }

  // Takes the byte that peek() gave.
  void take() { ++next_; }

  // Whether a peek found the input at its end.
  bool atEnd() const { return atEnd_; }

  // Marks a read that wanted more than the input held; it stays marked. Only the one reading
  // knows whether what it took before the end was whole, so it says so.
  void fail() { failed_ = true; }
  bool failed() const { return failed_; }

 protected:
  // The next block of the input, valid until the next call; empty at the end of the input. A
  // read error throws.
  virtual std::string_view more() = 0;

  // What is left of the current block.
  std::string_view pending() const { return {next_, static_cast<std::size_t>(last_ - next_)}; }

 private:
  bool refill() {
    if (atEnd_) return false;
    const std::string_view block = more();
    next_ = block.data();
    last_ = next_ + block.size();
    atEnd_ = block.empty();
    return !atEnd_;
  }

  const char* next_ = nullptr;
  const char* last_ = nullptr;
  bool atEnd_ = false;
  bool failed_ = false;
};

}  // namespace tessark
