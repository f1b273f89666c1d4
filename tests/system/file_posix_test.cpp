// What File promises on POSIX: a write that fails part way counts what reached the file, and
// content written in place is cut first; a pipe or device has no regular size.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/file_size_limit_posix.hpp"
#include "support/work_folder.hpp"
#include "system/file.hpp"
#include "system/held_folder.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

using namespace testing;

TEST(FilePosix, AWriteThatFailsPartWayCountsWhatReachedTheFileAndLeavesNoMix) {
  const WorkFolder work;
  writeFile("files/list", std::string(300, 'E'));
  const HeldFolder folder("files", HeldFolder::Lock::none);
  File appended = folder.open("list", OpenMode::append);
  {
    const FileSizeLimit limit(310);
    EXPECT_THROW(appended.write(std::string(20, 'A')), SystemError);
    EXPECT_EQ(appended.written(), 10u);
  }
  {
    const FileSizeLimit limit(100);
    File replaced = folder.open("list", OpenMode::rewrite);
    EXPECT_THROW(replaced.replaceContent(std::string(200, 'N')), SystemError);
  }
  // A start of the new content, never its head followed by the earlier one's tail.
  EXPECT_EQ(readFile("files/list"), std::string(100, 'N'));
}

TEST(FilePosix, APipeOrDeviceHasNoRegularSize) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const File reader(ends[0]);
  const File writer(ends[1]);
  const File device(::open("/dev/null", O_RDONLY));
  EXPECT_FALSE(reader.regularSize());
  EXPECT_FALSE(device.regularSize());
}

}  // namespace
}  // namespace tessark
