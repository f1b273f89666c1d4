// The top of the program: runProgram and the two flows it hands over to. Only main.cpp includes
// this header. The flows drive every subsystem through the one ItemRecord of the run
// (foundation/item_record.hpp).
#pragma once

#include <string_view>

#include "foundation/console.hpp"
#include "foundation/work_files.hpp"

namespace tessark {

// What a run that ran out of memory says before it ends with status 1.
inline constexpr std::string_view outOfMemoryMessage =
    "Tessark: there is not enough memory to go on.";

// The whole run: holds the work files, empties the modifier list, prints the banner, asks for the
// classification and runs its flow. Returns the exit status: 0 when the report was written, 1
// when the run stopped early (the reason is on the error stream), out of memory included.
int runProgram(Console& console);

// The flow of a magical item: one prefix, one suffix or both, written to `files`.
void describeMagicItem(Console& console, WorkFiles& files);

// The flow of a rare item: up to three prefixes and up to three suffixes, written to `files`.
void describeRareItem(Console& console, WorkFiles& files);

}  // namespace tessark
