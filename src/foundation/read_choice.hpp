// Reading the answers: readChoice, one number by fixed rules, and readRequiredChoice for the
// questions that are asked until the answer fits.
#pragma once

#include <cstdint>
#include <string_view>

#include "foundation/console.hpp"

namespace tessark {

// Reads one answer into `answer` after delivering all pending output: white space skipped, an
// optional sign, at most 15 characters, hexadecimal after "0x", octal after a leading "0",
// decimal otherwise, saturated to the 32-bit range. A reply without digits reads as 0 and the
// rest of its line is discarded, so that the next read is a fresh one. Returns false, leaving
// `answer` unchanged, when the input has ended. A read error is no end of the input: it throws
// RunStopped, naming the error, and so does output that cannot be delivered.
bool readChoice(Console& console, std::int32_t& answer);

// readChoice for the questions that are asked until the answer fits: when the input has ended,
// throws RunStopped naming the question, since asking again could never bring an answer.
void readRequiredChoice(Console& console, std::int32_t& answer, std::string_view question);

// True once a read found the input at its end: a menu that reads once went on without its
// answer, so the item is not the one the player meant to describe.
bool answersEnded(const Console& console);

}  // namespace tessark
