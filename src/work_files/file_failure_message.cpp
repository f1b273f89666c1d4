// The message of a work file or the report that cannot be used, with what to do about the
// usual causes.
#include "work_files/file_failure_message.hpp"

namespace tessark {

std::string fileFailureMessage(std::string_view action, std::string_view path,
                               const SystemError& error, bool workFolderMissing) {
  std::string message = "Tessark: cannot " + std::string(action) + " \"" + std::string(path) + "\"";
  switch (error.kind()) {
    case FailureKind::missing:
      if (workFolderMissing) {
        return message +
               ": the folder \"files\" is missing. Tessark keeps its work files there; create a "
               "folder named \"files\" in the folder where you start Tessark, then start it "
               "again.";
      }
      break;
    case FailureKind::notRegularFile:
      return message +
             ": it is not a regular file. The folder \"files\" is Tessark's own; remove what "
             "stands in the place of this file, then start Tessark again.";
    case FailureKind::noReader:
      return message + ": it is a pipe that nothing reads, or a device that is not there.";
    default:
      break;
  }
  return message + ": " + error.what() + ".";
}

}  // namespace tessark
