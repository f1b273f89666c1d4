// TextFile: a work file opened through the held folder, checked against the report and the other
// work files before its first byte, written in pieces and cut to what reached it.
#include "report/text_file.hpp"

#include <optional>

#include "foundation/run_stopped.hpp"
#include "report/distinct_files.hpp"
#include "report/file_failure_message.hpp"
#include "report/work_folder_lock.hpp"

namespace tessark {
namespace {

OpenMode openModeOf(TextFile::Mode mode) {
  switch (mode) {
    case TextFile::Mode::write:
      return OpenMode::rewrite;
    case TextFile::Mode::append:
      break;
  }
  return OpenMode::append;
}

std::string_view actionOf(TextFile::Mode mode) {
  switch (mode) {
    case TextFile::Mode::write:
      return "create";
    case TextFile::Mode::append:
      break;
  }
  return "add to";
}

// What is written is handed to the system in pieces of about this size.
constexpr std::size_t writeChunk = 4096;

}  // namespace

TextFile::TextFile(std::string path, Mode mode) : path_(std::move(path)), mode_(mode) {
  try {
    // A file about to be made must not be made where "The Item.txt" or another work file would
    // be: a failed run would leave it behind.
    const std::optional<FileTarget> target = WorkFolderLock::targetOf(path_);
    if (target && !target->file) requireDistinctWorkFile(path_, *target);
    file_ = WorkFolderLock::open(path_, openModeOf(mode));
    requireDistinctWorkFile(path_, FileTarget{file_.identity(), {}, {}});
    if (mode == Mode::write) sizeAtOpen_ = file_.regularSize().value_or(0);
  } catch (const SystemError& error) {
    fail(actionOf(mode), error);
  }
}

TextFile::~TextFile() {
  if (!open_) return;
  try {
    finish(false);
  } catch (const SystemError&) {
    // The failure that left the file open is the one being reported.
  }
}

void TextFile::write(std::string_view text) {
  pending_.append(text);
  if (pending_.size() >= writeChunk) {
    try {
      flush();
    } catch (const SystemError& error) {
      fail("write", error);
    }
  }
}

void TextFile::flush() {
  if (pending_.empty()) return;
  try {
    file_.write(pending_);
  } catch (const SystemError&) {
    pending_.clear();
    throw;
  }
  pending_.clear();
}

void TextFile::finish(bool closing) {
  std::optional<SystemError> failure;
  try {
    flush();
  } catch (const SystemError& error) {
    failure = error;
  }
  try {
    // The lock that a run holds keeps other runs from changing the size since it was opened.
    if (mode_ == Mode::write && sizeAtOpen_ > file_.written()) file_.truncate(file_.written());
    if (closing) file_.close();
  } catch (const SystemError& error) {
    if (!failure) failure = error;
  }
  if (failure) throw *failure;
}

void TextFile::close() {
  open_ = false;
  try {
    finish(true);
  } catch (const SystemError& error) {
    fail("write", error);
  }
}

void TextFile::fail(std::string_view action, const SystemError& error) const {
  throw RunStopped(fileFailureMessage(action, path_, error));
}

}  // namespace tessark
