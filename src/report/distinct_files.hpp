#pragma once

namespace tessark {

// Stops the run with RunStopped when two of the seven work files and "The Item.txt" are one file
// (a hard or symbolic link of one to another), naming both: what is written to one would
// overwrite what is read from the other, and the report would be wrong. Runs at start, before
// anything is changed, and before the report is written, when files that did not exist at start
// do.
void requireDistinctFiles();

}  // namespace tessark
