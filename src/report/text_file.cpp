#include "report/text_file.hpp"

#include <cstring>
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
      return OpenMode::append;
    case TextFile::Mode::read:
      break;
  }
  return OpenMode::read;
}

std::string_view actionOf(TextFile::Mode mode) {
  switch (mode) {
    case TextFile::Mode::write:
      return "create";
    case TextFile::Mode::append:
      return "add to";
    case TextFile::Mode::read:
      break;
  }
  return "read";
}

// What is written is handed to the system in pieces of about this size.
constexpr std::size_t writeChunk = 4096;

}  // namespace

TextFile::TextFile(std::string path, Mode mode) : path_(std::move(path)), mode_(mode) {
  const bool writing = mode != Mode::read;
  try {
    // A file about to be made must not be made where "The Item.txt" or another work file would
    // be: a failed run would leave it behind.
    if (writing) {
      const std::optional<FileTarget> target = WorkFolderLock::targetOf(path_);
      if (target && !target->file) requireDistinctWorkFile(path_, *target);
    }
    file_ = WorkFolderLock::open(path_, openModeOf(mode));
    if (writing) requireDistinctWorkFile(path_, FileTarget{file_.identity(), {}, {}});
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

int TextFile::nextByte() {
  if (inputStart_ == inputEnd_) {
    try {
      inputEnd_ = file_.read(input_);
    } catch (const SystemError& error) {
      fail("read", error);
    }
    inputStart_ = 0;
    if (inputEnd_ == 0) return -1;
  }
  return static_cast<unsigned char>(input_[inputStart_++]);
}

std::string_view TextFile::readLine() {
  line_.fill('\0');
  std::size_t length = 0;
  while (length < line_.size() - 1) {
    const int c = nextByte();
    if (c < 0) {
      atEnd_ = true;
      break;
    }
    line_[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  // The text ends at the first NUL byte, as a C string does.
  std::string_view text(line_.data(), std::strlen(line_.data()));
  if (text.ends_with('\n')) text.remove_suffix(1);
  return text;
}

void TextFile::close() {
  open_ = false;
  try {
    finish(true);
  } catch (const SystemError& error) {
    fail(mode_ == Mode::read ? "read" : "write", error);
  }
}

void TextFile::fail(std::string_view action, const SystemError& error) const {
  throw RunStopped(fileFailureMessage(action, path_, error));
}

}  // namespace tessark
