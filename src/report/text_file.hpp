#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "system/file.hpp"
#include "system/system_error.hpp"

namespace tessark {

// One work file in "files", open for the span of one operation. Every failure to open, read or
// write it completely throws RunStopped with a message that names the file, so that a failure is
// never taken for success. It must be a regular file (or a link to one): a pipe could hang a run
// and a device could feed a reading loop for ever, so opening never waits and anything else
// stops the run.
//
//   TextFile list("files/Modlist.dat", TextFile::Mode::append);
//   list.write("Suffix: Bear\n");
//   list.close();
class TextFile {
 public:
  enum class Mode { write, append, read };

  // Opens `path`; writing rewrites or creates, appending creates when missing.
  TextFile(std::string path, Mode mode);
  // A file left open by a failure keeps no more than reached it, as if truncated at open.
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Writes `text` as it stands.
  void write(std::string_view text);

  // Reads one line as a 100-byte line buffer takes it: at most 99 characters, stopping after a
  // line end, which is consumed and not returned, and at a NUL byte. The view lives until the
  // next read.
  std::string_view readLine();

  // True once a read has run into the end of the file (not when it stopped at the last line end).
  bool atEnd() const { return atEnd_; }

  // Closes the file, making sure that everything written has reached it and, for writing, that
  // nothing of an earlier content is left behind it.
  void close();

 private:
  // Throws RunStopped for a failure to `action` the file.
  [[noreturn]] void fail(std::string_view action, const SystemError& error) const;
  // Writes what is pending to the file.
  void flush();
  // Writes what is pending and cuts a rewritten file to what reached it, even after a failed
  // write, then closes it when `closing`. Throws the first SystemError.
  void finish(bool closing);
  // The next byte of a file being read, or -1 at its end.
  int nextByte();

  std::string path_;
  Mode mode_;
  File file_;
  bool open_ = true;
  // The size of the file when it was opened: what is left of it past what is written is cut.
  std::uint64_t sizeAtOpen_ = 0;
  std::string pending_;
  std::array<char, 4096> input_{};
  std::size_t inputStart_ = 0;
  std::size_t inputEnd_ = 0;
  bool atEnd_ = false;
  std::array<char, 100> line_{};
};

}  // namespace tessark
