// File: one open file of the system, owned from the moment it is opened; FileIdentity and
// FileTarget, which tell two names of one file apart from two files.

// Files are opened by HeldFolder (work files) or by replaceFile (the report); no failure path can
// leak one.
//
//   File file = folder.open("Modlist.dat", OpenMode::append);
//   file.write("Prefix: Jagged\n");
//   file.close();  // throws SystemError when what was written could not be kept
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessark {

// The system's handle of an open file: a descriptor, or a Windows handle.
#ifdef _WIN32
using NativeHandle = void*;
#else
using NativeHandle = int;
#endif

// What tells two names of one file apart from two files: the device (volume) and the file's
// number on it.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t index = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// Where a name leads, links followed: the file there, or, where there is none, the folder and
// the name under which following the name would make one. Two names with the same target write
// to one file.
struct FileTarget {
  std::optional<FileIdentity> file;
  FileIdentity folder;
  std::string name;

  // True when writing through either would write the same file.
  bool sameAs(const FileTarget& other) const {
    if (file || other.file) return file == other.file;
    return folder == other.folder && name == other.name;
  }
};

// How a file is opened. Rewriting keeps the old content until the writer cuts it: truncating a
// file that holds data makes some file systems write it out at once, which costs more than a run.
enum class OpenMode { read, rewrite, append };

class File {
 public:
  File() = default;
  // Takes ownership of an open handle.
  explicit File(NativeHandle handle) : handle_(handle) {}
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();  // closes, ignoring failures: close() is the way to see them

  // Reads at most `buffer.size()` bytes; returns 0 at the end of the file.
  std::size_t read(std::span<char> buffer);
  // How long a write waits for a pipe or device that takes nothing: a reader that never reads must
  // not hang the run.
  static constexpr int writeWaitSeconds = 5;

  // Writes all of `text`, waiting for a pipe or device to take it, but at most writeWaitSeconds
  // at a time (FailureKind::noReader; on Windows, as long as the system makes it wait).
  void write(std::string_view text);
  // The bytes that reached the file through write(), a failed call's part included.
  std::uint64_t written() const { return written_; }
  // Cuts the file to `size` bytes.
  void truncate(std::uint64_t size);
  // Flushes what was written to the disk.
  void sync();
  // The size of a regular file on disk; nothing for a pipe, a device, a folder or a terminal.
  std::optional<std::uint64_t> regularSize() const;
  // Which file this is, whatever name it was opened by.
  FileIdentity identity() const;
  // The handle itself, for the system layer's own calls.
  NativeHandle native() const { return handle_; }
  // Whether a handle is held.
  bool isOpen() const { return handle_ != noHandle(); }
  // Closes the file, reporting a failure to keep what was written.
  void close();

  // Cuts a regular file to nothing, then writes `content` from its start and closes it: a write
  // that fails or a kill leaves the start of the new content, never the new content's head
  // followed by the earlier content's tail.
  void replaceContent(std::string_view content);

 private:
  static constexpr NativeHandle noHandle() {
#ifdef _WIN32
    return nullptr;
#else
    return -1;
#endif
  }
  // Closes `handle`; false when the system reports a failure.
  static bool closeHandle(NativeHandle handle);

  NativeHandle handle_ = noHandle();
  std::uint64_t written_ = 0;
};

}  // namespace tessark
