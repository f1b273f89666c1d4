#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tessark {

// One text file, open for the span of one operation. Every failure to open, read or write it
// completely throws RunStopped with a message that names the file, so that a failure is never
// taken for success. Opening never waits: a pipe or a device in a file's place cannot hang a run.
class TextFile {
 public:
  enum class Mode { write, append, read };

  // What may stand at the path. A work file is Tessark's own and must be a regular file (or a
  // link to one): a pipe could hang a run and a device could feed a reading loop for ever. The
  // report may be whatever the player put there, such as a link to a terminal.
  enum class Kind { workFile, report };

  // Opens `path`; writing replaces or creates, appending creates when missing.
  TextFile(std::string path, Mode mode, Kind kind = Kind::workFile);
  // A file left open by a failure keeps no more than was written to it, as if truncated at open.
  ~TextFile();
  TextFile(TextFile&&) = default;

  // Writes `text` as it stands.
  void write(std::string_view text);

  // Reads one line as a 100-byte line buffer takes it: at most 99 characters, stopping after a
  // line end, which is consumed and not returned. The view lives until the next read.
  std::string_view readLine();

  // True once a read has run into the end of the file (not when it stopped at the last line end).
  bool atEnd() const;

  // Closes the file, making sure that everything written has reached it and, for writing, that
  // nothing of an earlier content is left behind it.
  void close();

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  // Throws RunStopped for a failure to `action` the file, for the reason `errorNumber`.
  [[noreturn]] void fail(std::string_view action, int errorNumber) const;
  // Cuts a file opened for writing to what was written to it; false when that fails.
  bool cutToWritten();

  std::string path_;
  Mode mode_;
  std::unique_ptr<std::FILE, Closer> file_;
  // The size of a regular file when it was opened, or -1 for anything else, which has no
  // earlier content to cut.
  std::intmax_t sizeAtOpen_ = -1;
  std::uintmax_t written_ = 0;
  std::array<char, 100> line_{};
};

// The message for a file that cannot be opened, read or written; a missing "files" folder is
// named as such, with what to do about it, and so is a work file that is not a regular file.
std::string fileFailureMessage(std::string_view action, std::string_view path, int errorNumber);

}  // namespace tessark
