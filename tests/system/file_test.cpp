// What File promises on every system: what was written is read back and counted, a moved File
// hands over its handle, and content replaced is cut to the new one.
#include "system/file.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "support/work_folder.hpp"
#include "system/held_folder.hpp"

namespace tessark {
namespace {

using namespace testing;

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

}  // namespace
}  // namespace tessark
