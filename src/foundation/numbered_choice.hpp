// numberedChoice: the entry of a menu table that an answer selects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tessark {

// The entry that a menu answer selects, numbered from 1, or nullptr for any other answer.
template <typename Entry>
const Entry* numberedChoice(std::span<const Entry> entries, std::int32_t answer) {
  if (answer < 1 || static_cast<std::size_t>(answer) > entries.size()) return nullptr;
  return &entries[static_cast<std::size_t>(answer) - 1];
}

}  // namespace tessark
