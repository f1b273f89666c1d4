// The shape of an entry of the description tables (prefix_descriptions.hpp,
// suffix_descriptions.hpp), and the checks both tables pass: unique keys, and record lines plain
// and short enough to be read back whole.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tessark {

// The description of one affix: the key that its tag carries after the kind digit, the name
// written on the record's name line, and the texts of its lowest and best values.
struct DescriptionEntry {
  // The usual entry, whose shown name is its key.
  constexpr DescriptionEntry(std::string_view name, std::string_view least, std::string_view best)
      : key(name), shownName(name), leastText(least), bestText(best) {}
  // An entry shown under another name than its key.
  constexpr DescriptionEntry(std::string_view name, std::string_view shown, std::string_view least,
                             std::string_view best)
      : key(name), shownName(shown), leastText(least), bestText(best) {}

  std::string_view key;
  std::string_view shownName;
  std::string_view leastText;
  std::string_view bestText;
};

// True when no two entries share a key, so that one name appends at most one record.
constexpr bool keysAreUnique(std::span<const DescriptionEntry> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (std::size_t j = i + 1; j < table.size(); ++j) {
      if (table[i].key == table[j].key) return false;
    }
  }
  return true;
}

// True when every line of every record, label included ("Prefix: " and "Suffix: " have eight
// characters, "Least: " seven, "Best: " six), stays below the 100 characters that a reader of
// the work files takes at once, and no text holds a line end or a NUL byte: each text is then one
// whole line of its work file, and the report can be composed from the texts themselves.
constexpr bool recordLinesFit(std::span<const DescriptionEntry> table) {
  auto plain = [](std::string_view text) {
    return text.find('\n') == std::string_view::npos && text.find('\0') == std::string_view::npos;
  };
  for (const DescriptionEntry& entry : table) {
    if (8 + entry.shownName.size() >= 100 || 7 + entry.leastText.size() >= 100 ||
        6 + entry.bestText.size() >= 100) {
      return false;
    }
    if (!plain(entry.shownName) || !plain(entry.leastText) || !plain(entry.bestText)) return false;
  }
  return true;
}

}  // namespace tessark
