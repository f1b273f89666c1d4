// printLines: prints the lines of a menu table as they stand.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace tessark {

// Prints menu lines as they stand, in order; each carries its own line end.
inline void printLines(std::ostream& out, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) out << line;
}

}  // namespace tessark
