// OpenWorkFile: what is written handed to the file in pieces, and a rewritten file cut to what
// reached it when it is closed or left by a failure.
#include "work_files/open_work_file.hpp"

#include <optional>
#include <utility>

#include "foundation/run_stopped.hpp"
#include "work_files/file_failure_message.hpp"

namespace tessark {
namespace {

// What is written is handed to the system in pieces of about this size.
constexpr std::size_t writeChunk = 4096;

}  // namespace

OpenWorkFile::OpenWorkFile(OpenedFile opened, std::string path, Mode mode)
    : file_(std::move(opened.file)),
      path_(std::move(path)),
      mode_(mode),
      sizeAtOpen_(mode == Mode::rewrite ? opened.size : 0) {}

OpenWorkFile::~OpenWorkFile() {
  if (!open_ || !file_.isOpen()) return;
  try {
    finish(false);
  } catch (const SystemError&) {
    // The failure that left the file open is the one being reported.
  }
}

void OpenWorkFile::write(std::string_view text) {
  pending_.append(text);
  if (pending_.size() >= writeChunk) {
    try {
      flush();
    } catch (const SystemError& error) {
      fail(error);
    }
  }
}

void OpenWorkFile::flush() {
  if (pending_.empty()) return;
  try {
    file_.write(pending_);
  } catch (const SystemError&) {
    pending_.clear();
    throw;
  }
  pending_.clear();
}

void OpenWorkFile::finish(bool closing) {
  std::optional<SystemError> failure;
  try {
    flush();
  } catch (const SystemError& error) {
    failure = error;
  }
  try {
    // The lock that a run holds keeps other runs from changing the size since it was opened.
    if (mode_ == Mode::rewrite && sizeAtOpen_ > file_.written()) file_.truncate(file_.written());
    if (closing) file_.close();
  } catch (const SystemError& error) {
    if (!failure) failure = error;
  }
  if (failure) throw *failure;
}

void OpenWorkFile::close() {
  open_ = false;
  try {
    finish(true);
  } catch (const SystemError& error) {
    fail(error);
  }
}

void OpenWorkFile::fail(const SystemError& error) const {
  throw RunStopped(fileFailureMessage("write", path_, error, false));
}

}  // namespace tessark
