// The modifier list "files/Modlist.dat": emptied at the start of a run, one description record
// appended for each applied affix. An output for the player and other programs: nothing reads it.
#pragma once

#include <span>
#include <string_view>

#include "foundation/work_files.hpp"
#include "report/description_entry.hpp"

namespace tessark {

// Labels of the three lines of a description record; the split removes them by their length.
inline constexpr std::string_view prefixLabel = "Prefix: ";
inline constexpr std::string_view suffixLabel = "Suffix: ";
inline constexpr std::string_view leastLabel = "Least: ";
inline constexpr std::string_view bestLabel = "Best: ";

// Makes the modifier list of `files` empty, cutting what an earlier run left. Throws RunStopped
// when it cannot be.
void emptyModifierList(WorkFiles& files);

// Appends to the modifier list of `files` the record of the entry of `table` whose key is
// exactly `name`; nothing for no entry, though the list is made when missing.
void appendDescription(WorkFiles& files, std::span<const DescriptionEntry> table,
                       std::string_view nameLabel, std::string_view name);

}  // namespace tessark
