// The check of the standard streams at start, before any file is opened.
#pragma once

#include "foundation/console_writer.hpp"

namespace tessark {

// Makes sure, before any file is opened, that the standard streams are open, so that no file of
// Tessark's can take the place of a closed one and receive the dialogue or feed the answers.
// Returns false, with the reason on `err`, when standard input or standard output is closed; a
// closed standard error is given the null device, since the run can do without it.
bool standardStreamsReady(ConsoleWriter& err);

}  // namespace tessark
