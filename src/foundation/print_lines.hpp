// printLines: prints the lines of a menu table as they stand.
#pragma once

#include <span>
#include <string_view>

#include "foundation/console_writer.hpp"

namespace tessark {

// Prints menu lines as they stand, in order; each carries its own line end.
inline void printLines(ConsoleWriter& out, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) out << line;
}

}  // namespace tessark
