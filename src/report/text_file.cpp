#include "report/text_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "foundation/run_stopped.hpp"
#include "report/work_folder_lock.hpp"

namespace tessark {
namespace {

// How a mode opens its file, and what a failure to open it failed to do.
struct ModeUse {
  int openFlags;
  const char* fdopenMode;
  const char* action;
};

ModeUse useOf(TextFile::Mode mode) {
  switch (mode) {
    case TextFile::Mode::write:
      // No O_TRUNC: the file is rewritten in place and cut on close, since truncating a file
      // that holds data makes some file systems write it out at once, which costs more than a
      // whole run.
      return {O_WRONLY | O_CREAT, "w", "create"};
    case TextFile::Mode::append:
      return {O_WRONLY | O_CREAT | O_APPEND, "a", "add to"};
    case TextFile::Mode::read:
      break;
  }
  return {O_RDONLY, "r", "read"};
}

// Stands for "not a regular file" among the error numbers, which have no such reason.
constexpr int notRegularFile = -1;

}  // namespace

std::string fileFailureMessage(std::string_view action, std::string_view path, int errorNumber) {
  std::string message = "Tessark: cannot " + std::string(action) + " \"" + std::string(path) + "\"";
  std::error_code ignored;
  if (errorNumber == ENOENT && path.starts_with(workFolderPath) &&
      !std::filesystem::is_directory(workFolderPath, ignored)) {
    return message +
           ": the folder \"files\" is missing. Tessark keeps its work files there; create a "
           "folder named \"files\" in the folder where you start Tessark, then start it again.";
  }
  if (errorNumber == notRegularFile) {
    return message +
           ": it is not a regular file. The folder \"files\" is Tessark's own; remove "
           "what stands in the place of this file, then start Tessark again.";
  }
  // A pipe that nothing reads, or a device without its hardware, cannot be opened without
  // waiting.
  if (errorNumber == ENXIO) {
    return message + ": it is a pipe that nothing reads, or a device that is not there.";
  }
  if (errorNumber == 0) return message + ".";
  return message + ": " + std::strerror(errorNumber) + ".";
}

TextFile::TextFile(std::string path, Mode mode, Kind kind) : path_(std::move(path)), mode_(mode) {
  const ModeUse use = useOf(mode);
  // Opening never waits, for a pipe without a reader or writer, say: the file is opened, checked
  // and only then used.
  const int fd = ::open(path_.c_str(), use.openFlags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  // Only a pipe or a device fails with ENXIO.
  if (fd < 0) fail(use.action, errno == ENXIO && kind == Kind::workFile ? notRegularFile : errno);
  struct stat status {};
  int error = 0;
  if (::fstat(fd, &status) != 0) {
    error = errno;
  } else if (S_ISREG(status.st_mode)) {
    sizeAtOpen_ = status.st_size;
  } else if (kind == Kind::workFile) {
    error = notRegularFile;
  } else if (const int flags = ::fcntl(fd, F_GETFL);
             flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    // Writing to a pipe or a terminal waits as usual; only the opening must not.
    error = errno;
  }
  if (error == 0) {
    file_.reset(::fdopen(fd, use.fdopenMode));
    if (!file_) error = errno;
  }
  if (error != 0) {
    ::close(fd);
    fail(use.action, error);
  }
}

void TextFile::write(std::string_view text) {
  if (text.empty()) return;  // an unset name has no storage to hand to fwrite
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) fail("write", errno);
  written_ += text.size();
}

std::string_view TextFile::readLine() {
  line_.fill('\0');
  if (std::fgets(line_.data(), static_cast<int>(line_.size()), file_.get()) == nullptr &&
      std::ferror(file_.get())) {
    fail("read", errno);
  }
  std::string_view text(line_.data());
  if (text.ends_with('\n')) text.remove_suffix(1);
  return text;
}

bool TextFile::atEnd() const {
  return std::feof(file_.get()) != 0;
}

TextFile::~TextFile() {
  if (file_) cutToWritten();
}

bool TextFile::cutToWritten() {
  const bool flushed = std::fflush(file_.get()) == 0 && std::ferror(file_.get()) == 0;
  // Only a regular file has an earlier content to cut; a device or a pipe has none. The lock
  // that a run holds keeps other runs from changing the size since the file was opened.
  if (mode_ != Mode::write || sizeAtOpen_ < 0 ||
      static_cast<std::uintmax_t>(sizeAtOpen_) <= written_) {
    return flushed;
  }
  const int flushError = errno;
  const bool cut = ::ftruncate(::fileno(file_.get()), static_cast<off_t>(written_)) == 0;
  if (!flushed) errno = flushError;  // the first failure is the one to name
  return flushed && cut;
}

void TextFile::close() {
  errno = 0;
  bool failed = !cutToWritten();
  int error = errno;
  if (std::fclose(file_.release()) != 0 && !failed) {
    failed = true;
    error = errno;
  }
  if (failed) fail(mode_ == Mode::read ? "read" : "write", error);
}

void TextFile::fail(std::string_view action, int errorNumber) const {
  throw RunStopped(fileFailureMessage(action, path_, errorNumber));
}

}  // namespace tessark
