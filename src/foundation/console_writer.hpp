// ConsoleWriter: text for the console, gathered in a buffer and handed on whole to where it goes,
// with a failed delivery kept as its state.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tessark {

// Gathers what is written until the buffer is full or flush() asks for it, then hands it to
// deliver(): the standard output or error (foundation/standard_console.hpp) or, in the tests, a
// text in memory. Once a delivery failed, the output has a gap, and nothing after it is worth
// showing: the rest is dropped, and flush() says false from then on.
//
//   out << "What classification of item: ";
//   if (!out.flush()) ...  // not all of it was shown
class ConsoleWriter {
 public:
  ConsoleWriter(const ConsoleWriter&) = delete;
  ConsoleWriter& operator=(const ConsoleWriter&) = delete;
  virtual ~ConsoleWriter() = default;

  ConsoleWriter& operator<<(std::string_view text);
  ConsoleWriter& operator<<(char c) { return *this << std::string_view(&c, 1); }
  // Numbers are composed with std::to_chars where they are printed; a number here would be taken
  // for a character.
  ConsoleWriter& operator<<(int) = delete;

  // Delivers everything written so far. False when it, or any delivery before it, failed.
  bool flush();

 protected:
  enum class Delivery {
    whenFull,  // when the buffer is full, and on flush()
    eachLine,  // also as soon as a text that ends a line is written: each message whole, at once
  };
  explicit ConsoleWriter(Delivery delivery = Delivery::whenFull) : delivery_(delivery) {}

  // Hands `bytes` on; false when they could not all be delivered.
  virtual bool deliver(std::string_view bytes) = 0;

 private:
  std::array<char, 4096> buffer_;
  std::size_t used_ = 0;
  Delivery delivery_;
  bool failed_ = false;
};

}  // namespace tessark
