#include "report/text_file.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "foundation/run_stopped.hpp"

namespace tessark {
namespace {

// How a mode opens its file, and what a failure to open it failed to do.
struct ModeUse {
  const char* fopenMode;
  const char* action;
};

ModeUse useOf(TextFile::Mode mode) {
  switch (mode) {
    case TextFile::Mode::write:
      return {"w", "create"};
    case TextFile::Mode::append:
      return {"a", "add to"};
    case TextFile::Mode::read:
      break;
  }
  return {"r", "read"};
}

}  // namespace

std::string fileFailureMessage(std::string_view action, std::string_view path, int errorNumber) {
  std::string message = "Tessark: cannot " + std::string(action) + " \"" + std::string(path) + "\"";
  if (errorNumber == ENOENT && path.starts_with("files/") &&
      !std::filesystem::is_directory("files")) {
    return message +
           ": the folder \"files\" is missing. Tessark keeps its work files there; create a "
           "folder named \"files\" in the folder where you start Tessark, then start it again.";
  }
  if (errorNumber == 0) return message + ".";
  return message + ": " + std::strerror(errorNumber) + ".";
}

TextFile::TextFile(std::string path, Mode mode) : path_(std::move(path)), mode_(mode) {
  // A file is rewritten in place and cut to its new length on close: truncating a file that
  // holds data makes some file systems write it out at once, which costs more than a whole run.
  if (mode == Mode::write) file_.reset(std::fopen(path_.c_str(), "r+"));
  if (!file_) {
    errno = 0;
    file_.reset(std::fopen(path_.c_str(), useOf(mode).fopenMode));
  }
  if (!file_) fail(useOf(mode).action);
}

void TextFile::write(std::string_view text) {
  if (text.empty()) return;  // an unset name has no storage to hand to fwrite
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) fail("write");
  written_ += text.size();
}

std::string_view TextFile::readLine() {
  line_.fill('\0');
  if (std::fgets(line_.data(), static_cast<int>(line_.size()), file_.get()) == nullptr &&
      std::ferror(file_.get())) {
    fail("read");
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
  errno = 0;
  if (std::fflush(file_.get()) != 0 || std::ferror(file_.get()) != 0) return false;
  if (mode_ != Mode::write) return true;
  // Only a regular file has an earlier content to cut; a device or a pipe has none.
  std::error_code error;
  if (std::filesystem::is_regular_file(path_, error) &&
      std::filesystem::file_size(path_, error) != written_) {
    std::filesystem::resize_file(path_, written_, error);
  }
  errno = error.value();
  return !error;
}

void TextFile::close() {
  bool failed = !cutToWritten();
  if (std::fclose(file_.release()) != 0) failed = true;
  if (failed) fail("write");
}

void TextFile::fail(std::string_view action) const {
  throw RunStopped(fileFailureMessage(action, path_, errno));
}

}  // namespace tessark
