// WorkFolder and the file helpers of work_folder.hpp.
#include "support/work_folder.hpp"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace tessark::testing {

WorkFolder::WorkFolder(bool withFiles) : previous_(std::filesystem::current_path()) {
  // A random name, tried until one is free: creating a folder fails when it exists, so no other
  // process, test or earlier leftover can share it.
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0;; ++attempt) {
    path_ = std::filesystem::temp_directory_path() / ("tessark-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) break;
    if (attempt == 100) throw std::runtime_error("no free temporary folder name");
  }
  if (withFiles) std::filesystem::create_directory(path_ / "files");
  std::filesystem::current_path(path_);
}

WorkFolder::~WorkFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "<missing>";
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void writeFile(const std::filesystem::path& path, std::string_view content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
}

std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace tessark::testing
