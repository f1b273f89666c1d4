// replaceFile: puts a new content in the place of a file in one step, so that whatever becomes
// of the run, the file holds either its earlier content or the whole new one.
//
//   replaceFile("The Item.txt", report);  // throws SystemError; the earlier file then stands
#pragma once

#include <optional>
#include <string_view>

#include "system/file.hpp"

namespace tessark {

// Makes the file at `path` hold `content`. A regular file, or none, is replaced whole: the
// content goes to a temporary file beside it (beside the file a link points at, so that the link
// keeps pointing at the new content), with the permissions of the earlier file, reaches the disk,
// and only then takes the earlier file's name. Where a new file would break what the user set up
// (a device or pipe, a file with more links than one, a file of another user, a folder where no
// file can be made), the file is written in place instead, and cut to what reached it; where it
// is the file that standard output or error goes to, the content is written to that stream. A
// temporary file that a killed run left behind is removed first. Throws SystemError; of kind
// notSynced when the new content is in place but its folder could not be synced.
void replaceFile(std::string_view path, std::string_view content);

// The identity of the file that `path` names, links followed; nothing when there is none.
std::optional<FileIdentity> identityOfPath(std::string_view path);

}  // namespace tessark
