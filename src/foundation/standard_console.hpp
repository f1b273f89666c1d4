// The console on the standard streams: StandardInput, which reads the answers in blocks, and
// StandardOutput, which writes the dialogue or the messages, through the system layer.
#pragma once

#include <array>
#include <string_view>

#include "foundation/console_reader.hpp"
#include "foundation/console_writer.hpp"
#include "system/standard_streams.hpp"

namespace tessark {

// Standard input. A read error throws SystemError; the end of the input (for a pipe, its writer
// closing it) ends the reader.
class StandardInput final : public ConsoleReader {
 protected:
  std::string_view more() override;

 private:
  std::array<char, 4096> block_;
};

// Standard output or standard error. Standard error delivers each message as soon as its line
// ends, whole, since nobody waits on a read to see it. Delivers what is left when it goes.
class StandardOutput final : public ConsoleWriter {
 public:
  explicit StandardOutput(StandardStream stream)
      : ConsoleWriter(stream == StandardStream::error ? Delivery::eachLine : Delivery::whenFull),
        stream_(stream) {}
  ~StandardOutput() override { flush(); }

 protected:
  bool deliver(std::string_view bytes) override;

 private:
  StandardStream stream_;
};

}  // namespace tessark
