// fileFailureMessage: the words of a run that stops on a file it cannot open, read or write.
#pragma once

#include <string>
#include <string_view>

#include "system/system_error.hpp"

namespace tessark {

// The message for a file that cannot be opened, read or written: "Tessark: cannot <action>
// "<path>": <reason>." A missing file whose folder "files" is missing (`workFolderMissing`) is
// named as such, with what to do about it, and so is a work file that is not a regular file.
std::string fileFailureMessage(std::string_view action, std::string_view path,
                               const SystemError& error, bool workFolderMissing);

}  // namespace tessark
