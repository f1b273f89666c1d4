// readChoice and readRequiredChoice: one answer read byte by byte from the console, and
// RunStopped where the input ends at a required answer or cannot be read.
#include "foundation/read_choice.hpp"

#include <limits>
#include <string>

#include "foundation/run_stopped.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

// More characters than this are left in the input for the next read.
constexpr int maxTaken = 15;

bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The value of `c` as a digit of `base`, or -1.
int digitValue(int c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Drops what is left of the current line, its line end included.
void discardLine(ConsoleReader& in) {
  for (int c = in.peek(); c != ConsoleReader::end; c = in.peek()) {
    in.take();
    if (c == '\n') return;
  }
}

// readChoice without the care for read errors.
bool readAnswer(Console& console, std::int32_t& answer) {
  ConsoleReader& in = console.in;
  if (in.atEnd()) {
    in.fail();
    return false;
  }
  deliverOutput(console);

  int c = in.peek();
  while (isBlank(c)) {
    in.take();
    c = in.peek();
  }
  if (c == ConsoleReader::end) {
    in.fail();
    return false;
  }

  int taken = 0;
  auto take = [&] {
    ++taken;
    in.take();
    c = in.peek();
  };
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    take();
  }
  int base = 10;
  bool anyDigit = false;
  if (c == '0') {
    base = 8;
    anyDigit = true;
    take();
    if (c == 'x' || c == 'X') {
      // "0x" alone has no digit yet: the digits of the hexadecimal number follow.
      base = 16;
      anyDigit = false;
      take();
    }
  }
  std::uint64_t magnitude = 0;  // at most 15 characters: cannot overflow
  for (int digit; taken < maxTaken && (digit = digitValue(c, base)) >= 0; take()) {
    magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    anyDigit = true;
  }

  if (!anyDigit) {
    answer = 0;
    discardLine(in);
    return true;
  }
  constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = static_cast<std::int64_t>(magnitude);
  if (negative) value = -value;
  answer = static_cast<std::int32_t>(value < lowest ? lowest : value > highest ? highest : value);
  return true;
}

}  // namespace

bool readChoice(Console& console, std::int32_t& answer) {
  try {
    return readAnswer(console, answer);
  } catch (const SystemError& error) {
    // The reader of standard input throws on a read error. Asking again could only fail
    // again, and taking the error for the end of the input would hide it.
    throw RunStopped(
        "Tessark: cannot read the answers from standard input: " + std::string(error.what()) + ".");
  }
}

void readRequiredChoice(Console& console, std::int32_t& answer, std::string_view question) {
  if (!readChoice(console, answer)) {
    while (question.ends_with(' ') || question.ends_with(':')) question.remove_suffix(1);
    throw RunStopped("Tessark: the input ended at the question \"" + std::string(question) +
                     "\"; no report was written.");
  }
}

bool answersEnded(const Console& console) {
  // Only a read that finds nothing but the end fails; a reply without digits does not, nor digits
  // that the end follows.
  return console.in.failed();
}

}  // namespace tessark
