// The check that the seven work files and "The Item.txt" are eight files: at start, before the
// report, and on the handle of each work file before its first byte is written.
#pragma once

#include <string_view>

#include "system/file.hpp"

namespace tessark {

// Stops the run with RunStopped when two of the seven work files and "The Item.txt" are one file
// (a hard or symbolic link of one to another, or two links that lead to one missing file), naming
// both: what is written to one would overwrite the other, and the report would be wrong. Runs at
// start, before anything is changed, and again before the report is written.
void requireDistinctFiles();

// Stops the run with RunStopped when the work file `path`, whose target is `target` (the file it
// was opened as, or the place where it is about to be made), is "The Item.txt" or another work
// file. Links made while the run waits at a prompt are found here, before a byte reaches the wrong
// file.
void requireDistinctWorkFile(std::string_view path, const FileTarget& target);

}  // namespace tessark
