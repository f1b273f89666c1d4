#include "foundation/read_choice.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/run_stopped.hpp"
#include "support/memory_console.hpp"
#include "system/system_error.hpp"

namespace tessark {
namespace {

// The outcome of successive reads: a value, or nullopt where the input had ended (the caller's
// variable, which starts at 77, then kept its value). The input comes whole, and again a byte at
// a time, as a terminal may give it, with the same outcome.
std::vector<std::optional<std::int32_t>> readAll(const std::string& input, int reads) {
  std::vector<std::optional<std::int32_t>> results[2];
  for (std::size_t blockSize : {std::string::npos, std::size_t{1}}) {
    testing::MemoryReader in(input, blockSize);
    testing::MemoryWriter out, err;
    Console console{in, out, err};
    for (int i = 0; i < reads; ++i) {
      std::int32_t answer = 77;
      bool read = readChoice(console, answer);
      if (!read) {
        EXPECT_EQ(answer, 77) << "an ended input must leave the answer alone";
      }
      results[blockSize == 1].push_back(read ? std::optional(answer) : std::nullopt);
    }
  }
  EXPECT_EQ(results[0], results[1]) << "read a byte at a time: " << input;
  return results[0];
}

using Reads = std::vector<std::optional<std::int32_t>>;
constexpr std::nullopt_t ended = std::nullopt;

TEST(ReadChoice, TakesTheBaseFromTheNumbersForm) {
  EXPECT_EQ(readAll("0x2\n", 1), Reads{2});
  EXPECT_EQ(readAll("0X1f\n", 1), Reads{31});
  EXPECT_EQ(readAll("02\n", 1), Reads{2});
  EXPECT_EQ(readAll("010\n", 1), Reads{8});
  EXPECT_EQ(readAll("+7\n", 1), Reads{7});
  EXPECT_EQ(readAll("-1\n", 1), Reads{-1});
  EXPECT_EQ(readAll("-0x10\n", 1), Reads{-16});
  // A digit outside the base ends the number and is what the next read finds.
  EXPECT_EQ(readAll("08\n", 2), (Reads{0, 8}));
  EXPECT_EQ(readAll("0x1g\n", 2), (Reads{1, 0}));
}

TEST(ReadChoice, SkipsEveryKindOfWhiteSpace) {
  EXPECT_EQ(readAll(" \t\r\v\f\n\n 12 3", 2), (Reads{12, 3}));
}

TEST(ReadChoice, AReplyWithoutDigitsIsZeroAndItsLineIsDropped) {
  EXPECT_EQ(readAll("abc def\n5\n", 2), (Reads{0, 5}));
  EXPECT_EQ(readAll("-\n4\n", 2), (Reads{0, 4}));
  EXPECT_EQ(readAll("+\n4\n", 2), (Reads{0, 4}));
  EXPECT_EQ(readAll("0x\n4\n", 2), (Reads{0, 4}));
  EXPECT_EQ(readAll("0xg 9\n4\n", 2), (Reads{0, 4}));
}

TEST(ReadChoice, LeavesTrailingLettersForTheNextRead) {
  // "2abc": 2 now, then "abc" reads as 0 and its line is dropped, then a fresh answer.
  EXPECT_EQ(readAll("2abc\n3\n", 3), (Reads{2, 0, 3}));
}

TEST(ReadChoice, TakesAtMostFifteenCharacters) {
  EXPECT_EQ(readAll("1234567890123456789\n", 2), (Reads{INT32_MAX, 6789}));
  // The sign counts: sixteen characters leave the last digit for the next read.
  EXPECT_EQ(readAll("-000000000000017\n", 2), (Reads{-1, 7}));
  EXPECT_EQ(readAll("0x00000000000017\n", 2), (Reads{1, 7}));
}

TEST(ReadChoice, SaturatesToTheThirtyTwoBitRange) {
  EXPECT_EQ(readAll("2147483647 2147483648 -2147483648 -2147483649", 4),
            (Reads{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}));
  EXPECT_EQ(readAll("0x7fffffff 0x80000000 -0x80000000 99999999999999", 4),
            (Reads{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MAX}));
}

TEST(ReadChoice, AnEndedInputKeepsTheAnswerForGood) {
  EXPECT_EQ(readAll("", 2), (Reads{ended, ended}));
  EXPECT_EQ(readAll("  \n ", 1), (Reads{ended}));
  // Digits right at the end still count; the read after them finds the end.
  EXPECT_EQ(readAll("5", 3), (Reads{5, ended, ended}));
  EXPECT_EQ(readAll("abc", 2), (Reads{0, ended}));
}

TEST(ReadChoice, DeliversThePromptBeforeReading) {
  testing::MemoryConsole memory("1 2");
  std::int32_t answer = 0;
  memory.out << "What classification of item: ";
  readChoice(memory.console, answer);
  EXPECT_EQ(memory.out.delivered(), "What classification of item: ");
  memory.out << "Which Sword: ";
  readChoice(memory.console, answer);
  EXPECT_EQ(memory.out.delivered(), "What classification of item: Which Sword: ");
}

TEST(ReadRequiredChoice, StopsTheRunWhenTheInputHasEnded) {
  testing::MemoryConsole memory;
  std::int32_t answer = 0;
  EXPECT_THROW(readRequiredChoice(memory.console, answer, "What classification of item: "),
               RunStopped);
}

TEST(AnswersEnded, OnlyAReadThatFindsNothingButTheEndCounts) {
  // A last answer without its line end is whole, and so is a reply without digits.
  for (const char* input : {"5", "abc"}) {
    testing::MemoryConsole memory(input);
    std::int32_t answer = 0;
    readChoice(memory.console, answer);
    EXPECT_FALSE(answersEnded(memory.console)) << input;
    readChoice(memory.console, answer);
    EXPECT_TRUE(answersEnded(memory.console)) << input;
  }
}

// Gives its text, then fails as the reader of standard input does on a read error.
class FailingReader : public testing::MemoryReader {
 public:
  using MemoryReader::MemoryReader;

 protected:
  std::string_view more() override {
    const std::string_view block = MemoryReader::more();
    if (block.empty()) throw SystemError(FailureKind::other, "Input/output error");
    return block;
  }
};

TEST(ReadChoice, AReadErrorStopsTheRunInsteadOfEndingTheInput) {
  FailingReader in("1\n");
  testing::MemoryWriter out, err;
  Console console{in, out, err};
  std::int32_t answer = 0;
  EXPECT_TRUE(readChoice(console, answer));
  EXPECT_EQ(answer, 1);
  try {
    readChoice(console, answer);
    ADD_FAILURE() << "no RunStopped";
  } catch (const RunStopped& stop) {
    EXPECT_STREQ(stop.what(),
                 "Tessark: cannot read the answers from standard input: Input/output error.");
  }
}

}  // namespace
}  // namespace tessark
