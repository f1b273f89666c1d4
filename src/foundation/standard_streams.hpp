#pragma once

namespace tessark {

// Makes sure, before any file is opened, that the standard streams are open, so that no file of
// Tessark's can take the number of a closed one and receive the dialogue or feed the answers.
// Returns false, with the reason on standard error, when standard input or standard output is
// closed; a closed standard error is replaced by /dev/null, since the run can do without it.
bool standardStreamsReady();

}  // namespace tessark
