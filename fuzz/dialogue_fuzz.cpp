// Runs the whole dialogue on arbitrary input in a working folder of its own and checks that it
// ends with status 0 or 1, writes nothing but "The Item.txt" and the work files, and that a
// report it writes is well formed.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "catalogue/categories.hpp"
#include "dialogue/run_program.hpp"
#include "support/memory_console.hpp"

namespace {

namespace fs = std::filesystem;

const std::set<std::string> allowedFiles = {
    "The Item.txt",       "files",
    "files/Modlist.dat",  "files/Prefix.dat",
    "files/Suffix.dat",   "files/BestPre.dat",
    "files/LeastPre.dat", "files/BestSuf.dat",
    "files/LeastSuf.dat",
};

void check(bool condition) {
  if (!condition) std::abort();
}

// The report names a category (or none) and has both result blocks.
void checkReport(const std::string& report) {
  std::istringstream lines(report);
  std::string first;
  std::getline(lines, first);
  check(first.empty() || tessark::categoryIdOf(first) != tessark::CategoryId::none);
  check(report.find("\n------------------\nBest Possible Results: \n") != std::string::npos);
  check(report.find("\n------------------\nLowest Possible Results: \n") != std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // On a memory file system where there is one: a run syncs its report, which on a disk would
  // cost more than the run.
  std::error_code noMemoryFileSystem;
  const fs::path base =
      fs::is_directory("/dev/shm", noMemoryFileSystem) ? "/dev/shm" : fs::temp_directory_path();
  std::string folder = (base / "tessark-fuzz-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) std::abort();
  fs::current_path(folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const fs::directory_entry& entry : fs::directory_iterator(".")) fs::remove_all(entry);
  fs::create_directory("files");

  tessark::testing::MemoryConsole memory(std::string(reinterpret_cast<const char*>(data), size));
  const int status = tessark::runProgram(memory.console);

  check(status == 0 || status == 1);
  check((status == 0) == memory.err.str().empty());
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
    check(allowedFiles.count(fs::relative(entry.path(), ".").string()) == 1);
  }
  check((status == 0) == fs::exists("The Item.txt"));
  if (status == 0) {
    std::ifstream file("The Item.txt", std::ios::binary);
    checkReport(std::string(std::istreambuf_iterator<char>(file), {}));
  }
  return 0;
}
