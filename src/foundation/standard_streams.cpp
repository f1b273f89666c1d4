// standardStreamsReady: the check at start that standard input and output are open, and the null
// device for a closed standard error.
#include "foundation/standard_streams.hpp"

#include <string_view>
#include <utility>

#include "system/standard_streams.hpp"

namespace tessark {

bool standardStreamsReady(ConsoleWriter& err) {
  for (const auto& [stream, name] :
       {std::pair{StandardStream::input, "input"}, {StandardStream::output, "output"}}) {
    if (!isOpen(stream)) {
      err << "Tessark: standard " << name
          << " is closed; start Tessark with the answers on standard input and the dialogue on "
             "standard output.\n";
      return false;
    }
  }
  // Where the null device cannot take its place, stop: a file of Tessark's would take it and
  // receive the error messages.
  return isOpen(StandardStream::error) || openStandardErrorOnNullDevice();
}

}  // namespace tessark
