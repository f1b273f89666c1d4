// A console in memory: answers from a text, and what is written kept, so that the dialogue and
// its menus run without the standard streams.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "foundation/console.hpp"

namespace tessark::testing {

// Answers from a text, given whole at the first read, or in blocks of `blockSize` bytes.
class MemoryReader : public ConsoleReader {
 public:
  explicit MemoryReader(std::string text = {}, std::size_t blockSize = std::string::npos)
      : text_(std::move(text)), blockSize_(blockSize) {}

  // What no read has taken yet.
  std::string unread() const { return std::string(pending()) + text_.substr(given_); }

 protected:
  std::string_view more() override {
    const std::string_view block = std::string_view(text_).substr(given_, blockSize_);
    given_ += block.size();
    return block;
  }

 private:
  std::string text_;
  std::size_t blockSize_;
  std::size_t given_ = 0;
};

// Keeps what is delivered to it.
class MemoryWriter : public ConsoleWriter {
 public:
  // Everything written, delivered first.
  const std::string& str() {
    flush();
    return delivered_;
  }
  // What has been delivered so far, without delivering.
  const std::string& delivered() const { return delivered_; }

 protected:
  bool deliver(std::string_view bytes) override {
    delivered_ += bytes;
    return true;
  }

 private:
  std::string delivered_;
};

// A Console over a MemoryReader and two MemoryWriters.
struct MemoryConsole {
  explicit MemoryConsole(std::string answers = {}) : in(std::move(answers)) {}

  MemoryReader in;
  MemoryWriter out;
  MemoryWriter err;
  Console console{in, out, err};
};

}  // namespace tessark::testing
