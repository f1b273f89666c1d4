// TextFile: one work file in "files" written for the span of one operation, every failure turned
// into RunStopped with a message that names the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "system/file.hpp"
#include "system/system_error.hpp"

namespace tessark {

// One work file in "files", open for the span of one operation. Every failure to open or write it
// completely throws RunStopped with a message that names the file, so that a failure is never
// taken for success. It must be a regular file (or a link to one): a pipe could hang a run, so
// opening never waits and anything else stops the run. Before its first byte, the file is checked
// against "The Item.txt" and the other work files, on the handle it is written through. The work
// files are outputs only: the run never reads them back.
//
//   TextFile list("files/Modlist.dat", TextFile::Mode::append);
//   list.write("Suffix: Bear\n");
//   list.close();
class TextFile {
 public:
  enum class Mode { write, append };

  // Opens `path`; writing rewrites or creates, appending creates when missing.
  TextFile(std::string path, Mode mode);
  // A file left open by a failure keeps no more than reached it, as if truncated at open.
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Writes `text` as it stands.
  void write(std::string_view text);

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

  std::string path_;
  Mode mode_;
  File file_;
  bool open_ = true;
  // The size of the file when it was opened: what is left of it past what is written is cut.
  std::uint64_t sizeAtOpen_ = 0;
  std::string pending_;
};

}  // namespace tessark
