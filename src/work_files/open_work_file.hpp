// OpenWorkFile: one work file open for the span of one operation, written in pieces and cut to
// what reached it, every failure turned into RunStopped with a message that names the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "system/file.hpp"
#include "system/held_folder.hpp"
#include "system/system_error.hpp"

namespace tessark {

// A work file that HeldWorkFiles opened and checked. Rewriting keeps the earlier content until
// close() cuts what is left of it past the new one: truncating a file that holds data when it is
// opened makes some file systems write it out at once.
//
//   OpenWorkFile list(std::move(opened), "files/Modlist.dat", OpenWorkFile::Mode::append);
//   list.write("Suffix: Bear\n");
//   list.close();
class OpenWorkFile {
 public:
  enum class Mode { rewrite, append };

  OpenWorkFile(OpenedFile opened, std::string path, Mode mode);
  // A file left open by a failure keeps no more than reached it, as if truncated at open.
  ~OpenWorkFile();
  OpenWorkFile(OpenWorkFile&&) = default;
  OpenWorkFile& operator=(OpenWorkFile&&) = delete;
  OpenWorkFile(const OpenWorkFile&) = delete;
  OpenWorkFile& operator=(const OpenWorkFile&) = delete;

  // Writes `text` as it stands.
  void write(std::string_view text);

  // Closes the file, making sure that everything written has reached it and, for rewriting, that
  // nothing of an earlier content is left behind it.
  void close();

 private:
  // Throws RunStopped for a failure to write the file.
  [[noreturn]] void fail(const SystemError& error) const;
  // Writes what is pending to the file.
  void flush();
  // Writes what is pending and cuts a rewritten file to what reached it, even after a failed
  // write, then closes it when `closing`. Throws the first SystemError.
  void finish(bool closing);

  File file_;
  std::string path_;
  Mode mode_;
  bool open_ = true;
  // The size of the file when it was opened: what is left of it past what is written is cut.
  std::uint64_t sizeAtOpen_ = 0;
  std::string pending_;
};

}  // namespace tessark
