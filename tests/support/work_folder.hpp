// WorkFolder, a fresh temporary folder for a test, and the reading, writing and listing of the
// files in it.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace tessark::testing {

// A fresh temporary working folder, made the current folder for the lifetime of the object,
// with the "files" folder the program expects unless `withFiles` is false.
class WorkFolder {
 public:
  explicit WorkFolder(bool withFiles = true);
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// The whole content of a file, or "<missing>" when it does not exist.
std::string readFile(const std::filesystem::path& path);

// Creates or replaces a file with `content`.
void writeFile(const std::filesystem::path& path, std::string_view content);

// The names in `folder`, sorted.
std::set<std::string> namesIn(const std::filesystem::path& folder);

}  // namespace tessark::testing
