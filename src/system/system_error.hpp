// SystemError: how every operation of the system layer reports a failure, and FailureKind, the
// reasons that change what the user is told.

// The layers above turn it into a message that names the file or stream concerned.
//
//   try {
//     file.write(text);
//   } catch (const SystemError& error) {
//     if (error.kind() == FailureKind::noReader) ...;  // error.what(): the system's own words
//   }
#pragma once

#include <stdexcept>
#include <string>

namespace tessark {

// Why an operation failed, where the reason matters to what the user is told.
enum class FailureKind {
  missing,           // no file or folder of that name
  notRegularFile,    // a folder, pipe, device or socket where a regular file belongs
  isFolder,          // a folder where a file to write belongs
  noReader,          // a pipe that nothing reads, or a device that is not there
  heldByAnotherRun,  // the work folder is held by another run
  notSynced,         // the new content is in place, but may not outlast a crash
  notPermitted,      // the user may not do this here
  untrusted,         // a link, folder or file that another user could have planted; what() names it
  changed,           // a file or link on the way changed between the look and the change
  other,             // anything else; what() says what
};

// A failed operation of the system: its kind and the system's own description of it.
class SystemError : public std::runtime_error {
 public:
  SystemError(FailureKind kind, const std::string& reason)
      : std::runtime_error(reason), kind_(kind) {}

  FailureKind kind() const { return kind_; }

 private:
  FailureKind kind_;
};

}  // namespace tessark
