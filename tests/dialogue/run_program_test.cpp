#include "dialogue/run_program.hpp"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <string_view>

#include "support/memory_console.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

using testing::MemoryReader;
using testing::MemoryWriter;

// Standard output that takes nothing, as a full disk or a closed terminal would.
class RefusingWriter : public MemoryWriter {
 protected:
  bool deliver(std::string_view) override { return false; }
};

TEST(RunProgram, AnUnseenDialogueIsNoSuccess) {
  testing::WorkFolder folder;
  MemoryReader in("1\n17\n1\n2\n31\n");
  RefusingWriter out;
  MemoryWriter err;
  Console console{in, out, err};
  EXPECT_EQ(runProgram(console), 1);
  EXPECT_EQ(err.str(), "Tessark: cannot write to standard output; the dialogue was not shown.\n");
}

// Standard output that shows everything but the closing message.
class ClosingRefusedWriter : public MemoryWriter {
 protected:
  bool deliver(std::string_view bytes) override {
    return bytes.find("View file called") == std::string_view::npos && MemoryWriter::deliver(bytes);
  }
};

TEST(RunProgram, AClosingMessageThatCannotBeShownIsNoSuccessButTheReportStands) {
  testing::WorkFolder folder;
  MemoryReader in("1\n17\n1\n2\n31\n");
  ClosingRefusedWriter out;
  MemoryWriter err;
  Console console{in, out, err};
  EXPECT_EQ(runProgram(console), 1);
  EXPECT_EQ(err.str(),
            "Tessark: \"The Item.txt\" was written, but the closing message could not be shown "
            "on standard output.\n");
  EXPECT_NE(testing::readFile("The Item.txt"), "<missing>");
}

// Input whose reading runs out of memory after the first answer.
class ExhaustedReader : public MemoryReader {
 public:
  ExhaustedReader() : MemoryReader("1\n") {}

 protected:
  std::string_view more() override {
    const std::string_view block = MemoryReader::more();
    if (block.empty()) throw std::bad_alloc();
    return block;
  }
};

TEST(RunProgram, RunningOutOfMemoryStopsTheRunWithAMessage) {
  testing::WorkFolder folder;
  ExhaustedReader in;
  MemoryWriter out, err;
  Console console{in, out, err};
  EXPECT_EQ(runProgram(console), 1);
  EXPECT_EQ(err.str(), std::string(outOfMemoryMessage) + "\n");
}

}  // namespace
}  // namespace tessark
