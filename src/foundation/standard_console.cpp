// StandardInput and StandardOutput over the system layer's reads and writes.
#include "foundation/standard_console.hpp"

namespace tessark {

std::string_view StandardInput::more() {
  return {block_.data(), readStandardInput(block_.data(), block_.size())};
}

bool StandardOutput::deliver(std::string_view bytes) {
  return writeStandard(stream_, bytes.data(), bytes.size());
}

}  // namespace tessark
