// Reads answers from arbitrary bytes and checks every read against a plain second reading of the
// same rules: the value, the characters taken (never more than 15 after the white space), and
// that nothing is read past the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/read_choice.hpp"
#include "support/memory_console.hpp"

namespace {

// The rules once more, on a string with an index, as a player's reply would be read by hand.
struct Reference {
  std::string_view text;
  std::size_t at = 0;
  bool ended = false;

  static bool blank(char c) {
    return std::string_view(" \t\n\r\v\f").find(c) != std::string_view::npos;
  }

  static int digit(char c, int base) {
    std::string_view digits = "0123456789abcdef";
    std::size_t found = digits.find(static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c));
    return found != std::string_view::npos && static_cast<int>(found) < base
               ? static_cast<int>(found)
               : -1;
  }

  std::optional<std::int32_t> read() {
    if (ended) return std::nullopt;
    while (at < text.size() && blank(text[at])) ++at;
    if (at == text.size()) {
      ended = true;
      return std::nullopt;
    }
    const std::size_t start = at;
    auto left = [&] { return at < text.size() && at - start < 15; };
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
    int base = 10;
    bool digits = false;
    if (left() && text[at] == '0') {
      base = 8;
      digits = true;
      ++at;
      if (left() && (text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        digits = false;
        ++at;
      }
    }
    long double value = 0;
    for (; left() && digit(text[at], base) >= 0; ++at) {
      value = value * base + digit(text[at], base);
      digits = true;
    }
    if (at == text.size()) ended = true;
    if (!digits) {
      const std::size_t lineEnd = text.find('\n', at);
      at = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
      if (lineEnd == std::string_view::npos) ended = true;
      return 0;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
      return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
      return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  tessark::testing::MemoryConsole memory(input);
  Reference reference{input};

  // Every read takes at least one character, so this many reads reach the end.
  for (std::size_t reads = 0; reads <= size + 1; ++reads) {
    std::int32_t answer = 12345;
    const bool read = tessark::readChoice(memory.console, answer);
    const std::optional<std::int32_t> expected = reference.read();
    if (read != expected.has_value() || (read && answer != *expected) || (!read && answer != 12345))
      std::abort();
    if (!read) break;
    // Both readings must stand at the same place in the input.
    if (size - memory.in.unread().size() != reference.at) std::abort();
  }
  if (!reference.ended) std::abort();
  return 0;
}
