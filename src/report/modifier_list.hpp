// The modifier list "files/Modlist.dat": emptied at the start of a run, one description record
// appended for each applied affix. An output for the player and other programs: nothing reads it.
#pragma once

#include <span>
#include <string_view>

#include "report/description_entry.hpp"

namespace tessark {

// The modifier list: one three-line description record per applied affix, in order.
inline constexpr std::string_view modifierListPath = "files/Modlist.dat";

// Labels of the three lines of a description record; the split removes them by their length.
inline constexpr std::string_view prefixLabel = "Prefix: ";
inline constexpr std::string_view suffixLabel = "Suffix: ";
inline constexpr std::string_view leastLabel = "Least: ";
inline constexpr std::string_view bestLabel = "Best: ";

// Creates the modifier list empty, truncating what an earlier run left. Throws RunStopped when
// it cannot be created.
void emptyModifierList();

// Appends the record of the entry of `table` whose key is exactly `name`; nothing for no entry.
void appendDescription(std::span<const DescriptionEntry> table, std::string_view nameLabel,
                       std::string_view name);

}  // namespace tessark
