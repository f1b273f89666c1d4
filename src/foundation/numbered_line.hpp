// Compile-time reading of the numbered entries that menu lines print ("3. Sabre", "9.  Arbalest",
// "10. Giant Axe"), with which the tables prove that each line shows what its number selects.

// The catalogue and the affix menus use it through numberedChoice (numbered_choice.hpp), since a
// line and its entry are written apart and nothing at run time compares them.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessark {

// A numbered entry of a menu line: its number (0 when there is none) and the text after the
// period and its blanks.
struct NumberedEntry {
  std::size_t number = 0;
  std::string_view text;
};

// The entry that opens `text`: digits, a period and at least one blank.
constexpr NumberedEntry entryAt(std::string_view text) {
  std::size_t number = 0;
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    number = number * 10 + static_cast<std::size_t>(text[pos++] - '0');
  }
  if (pos == 0 || text.substr(pos, 2) != ". ") return {};
  pos = text.find_first_not_of(' ', pos + 1);
  return {number, pos == std::string_view::npos ? std::string_view{} : text.substr(pos)};
}

// Whether `text` opens with the whole of `name`: a blank or the line end follows it.
constexpr bool opensWithName(std::string_view text, std::string_view name) {
  return !name.empty() && text.starts_with(name) && text.size() > name.size() &&
         (text[name.size()] == ' ' || text[name.size()] == '\n');
}

}  // namespace tessark
