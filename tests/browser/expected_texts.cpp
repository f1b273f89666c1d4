// Prints, as one JSON object, the expected texts that the browser tests compare the page with:
// the same texts the end-to-end tests of the program hold, so the page is held to them too.
#include <iostream>
#include <string>
#include <string_view>

#include "support/dialogue_texts.hpp"

namespace {

std::string quoted(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else {
      json += c;
    }
  }
  return json + "\"";
}

}  // namespace

int main() {
  using namespace tessark::testing::texts;
  std::cout << "{\"typicalInput\": " << quoted(typicalInput)
            << ",\n \"typicalDialogue\": " << quoted(typicalDialogue)
            << ",\n \"closingMessage\": " << quoted(closingMessage)
            << ",\n \"typicalReport\": " << quoted(typicalReport)
            << ",\n \"typicalModifierList\": " << quoted(typicalModifierList)
            << ",\n \"firstQuestion\": " << quoted(join({banner, classificationMenu}))
            << ",\n \"endedAtModification\": "
            << quoted(
                   join({banner, classificationMenu, categoryMenu, qualityMenu, modificationMenu}))
            << "}\n";
}
