// The shape of an entry of the description tables (prefix_descriptions.hpp,
// suffix_descriptions.hpp), and the checks both tables pass: unique keys, and record lines plain
// and short enough to be read back whole.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "foundation/table_fault.hpp"

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

// The first entry whose key an earlier entry has too: one name must append at most one record.
constexpr TableFault repeatedKey(std::string_view tableName,
                                 std::span<const DescriptionEntry> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (table[i].key == table[j].key) {
        return tableFault("an earlier entry has this key", tableName, i + 1, table[i].key);
      }
    }
  }
  return {};
}

// The first entry with a record line, label included ("Prefix: " and "Suffix: " have eight
// characters, "Least: " seven, "Best: " six), of 100 characters or more, or with a line end or a
// NUL byte in a text: each text must be one whole line of its work file, as a reader of the work
// files takes them, so that the report can be composed from the texts themselves.
constexpr TableFault recordLineTooLong(std::string_view tableName,
                                       std::span<const DescriptionEntry> table) {
  auto plain = [](std::string_view text) {
    return text.find('\n') == std::string_view::npos && text.find('\0') == std::string_view::npos;
  };
  for (std::size_t row = 0; row < table.size(); ++row) {
    const DescriptionEntry& entry = table[row];
    if (8 + entry.shownName.size() >= 100 || 7 + entry.leastText.size() >= 100 ||
        6 + entry.bestText.size() >= 100) {
      return tableFault("a record line of this entry reaches 100 characters", tableName, row + 1,
                        entry.key);
    }
    if (!plain(entry.shownName) || !plain(entry.leastText) || !plain(entry.bestText)) {
      return tableFault("a text of this entry holds a line end or a NUL byte", tableName, row + 1,
                        entry.key);
    }
  }
  return {};
}

}  // namespace tessark
