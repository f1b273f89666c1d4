// replaceFile: puts a new content in the place of a file in one step, so that the file holds
// either its earlier content or the whole new one.

//   replaceFile(working, "The Item.txt", report);  // throws SystemError; the earlier file stands
#pragma once

#include <string_view>

#include "system/held_folder.hpp"
#include "system/located.hpp"

namespace tessark {

// Makes the file at `path`, from the held folder `start`, hold `content`.
// - Where `path` leads to the file that standard output or error goes to, the content is written
//   to that stream.
// - A regular file, or none, is replaced whole: the content goes to a temporary file of this run
//   beside it (beside the file a link points at, so that the link keeps pointing at the new
//   content), with a name no one can foresee, made exclusively and claimed for the run; it takes
//   the earlier file's permissions and group, reaches the disk, and only then takes the earlier
//   file's name, provided that every link and file on the way is still the one looked at (else
//   FailureKind::changed, and nothing is touched; a file that another run of the user's replaced
//   meanwhile is looked at anew instead). The folder is then synced; FailureKind::
//   notSynced when that fails, the new content being in place.
// - Where a new file would break what the user set up (a device or pipe, a file with a second
//   name, a file of another user, a group the user may not give, a folder where no file can be
//   made), the file is cut to nothing and written in place: a failure or a kill leaves a start of
//   the new content, never a mix of the two. Two runs that write one file in place take turns.
// - A link that another user could have planted is never followed, and another user's file in a
//   folder where every user may make files is not written (FailureKind::untrusted).
// - Temporary files that killed runs left in that folder are removed, but none that a live run
//   holds.
// Windows: no owner or group decides anything; a second name alone means in place.
// Windows: the attributes, read-only among them, are kept instead of the mode and group.
// Windows: no folder is synced; MoveFileExW writes the rename through instead.
// Windows: links are followed as the system follows them; no folder there is sticky.
// Windows: a pipe is written as the system lets it, with no bound on the wait.
// Browser: nothing reaches a disk; the page stores the whole folder after a run, node's files
// are synced.
void replaceFile(const HeldFolder& start, std::string_view path, std::string_view content);

// replaceFile, from `found`, what a look at `path` from `start` has just found: the replace
// starts from it instead of looking again.
void replaceFile(const HeldFolder& start, const Located& found, std::string_view path,
                 std::string_view content);

}  // namespace tessark
