// What File promises on every system: what was written is read back and counted, a moved File
// hands over its handle, and names of one file share one identity.
#include "system/file.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>

#include "support/second_name.hpp"
#include "support/work_folder.hpp"
#include "system/held_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using testing::makeSecondName;
using testing::readFile;
using testing::WorkFolder;
using testing::writeFile;

std::string readAll(File& file) {
  std::string text;
  std::array<char, 3> buffer{};
  while (const std::size_t got = file.read(buffer)) text.append(buffer.data(), got);
  return text;
}

TEST(File, WritesReadsAndCountsWhatReachedIt) {
  const WorkFolder work;
  const HeldFolder folder("files", HeldFolder::Lock::none);
  File file = folder.open("list", OpenMode::rewrite);
  file.write("first ");
  file.write("second");
  EXPECT_EQ(file.written(), 12u);
  file.sync();
  EXPECT_EQ(file.regularSize(), 12u);
  file.truncate(5);
  file.close();
  EXPECT_FALSE(file.isOpen());
  File read = folder.open("list", OpenMode::read);
  EXPECT_EQ(readAll(read), "first");
  EXPECT_EQ(readAll(read), "");
}

TEST(File, AMovedFileHandsOverItsHandleAndCount) {
  const WorkFolder work;
  const HeldFolder folder("files", HeldFolder::Lock::none);
  File first = folder.open("list", OpenMode::rewrite);
  first.write("kept");
  File second(std::move(first));
  EXPECT_FALSE(first.isOpen());
  EXPECT_EQ(second.written(), 4u);
  File third;
  third = std::move(second);
  third.write("!");
  third.close();
  EXPECT_EQ(readFile("files/list"), "kept!");
}

TEST(File, ReplacedContentIsCutToTheNewOne) {
  const WorkFolder work;
  writeFile("files/list", "a much longer earlier content");
  const HeldFolder folder("files", HeldFolder::Lock::none);
  folder.open("list", OpenMode::rewrite).replaceContent("short");
  EXPECT_EQ(readFile("files/list"), "short");
}

TEST(File, NamesOfOneFileShareOneIdentity) {
  const WorkFolder work;
  writeFile("files/one", "1");
  writeFile("files/two", "2");
  if (!makeSecondName("files/one", "files/second name")) GTEST_SKIP() << "no hard links here";
  const HeldFolder folder("files", HeldFolder::Lock::none);
  const FileIdentity one = folder.open("one", OpenMode::read).identity();
  EXPECT_EQ(folder.open("second name", OpenMode::read).identity(), one);
  EXPECT_NE(folder.open("two", OpenMode::read).identity(), one);
}

}  // namespace
}  // namespace tessark
