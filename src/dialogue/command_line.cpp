// answerCommandLine and what it prints: the usage for --help and the version for --version.
#include "dialogue/command_line.hpp"

#include <string_view>

namespace tessark {
namespace {

constexpr std::string_view usage =
    "Usage: tessark [--help | --version]\n"
    "\n"
    "Works out the lowest and best possible damage or defense of an item with magic\n"
    "prefixes and suffixes, and the low and high text of each affix, for players of\n"
    "an action role-playing game.\n"
    "\n"
    "Tessark asks its questions on standard output and reads the answers, each the\n"
    "number of a menu line, on standard input. It needs a folder named files in the\n"
    "working folder for its work files, and writes the item to \"The Item.txt\" in\n"
    "the working folder.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "Any other argument, and any argument after \"--\", is ignored.\n"
    "\n"
    "Exit status:\n"
    "  0  the item was written (or this help or the version was printed)\n"
    "  1  the run stopped early, with the reason on standard error: the folder files\n"
    "     is missing, locked by another program or another user's, a work file in\n"
    "     it is not a regular file, two work files are one file, a link or file on\n"
    "     the way is another user's, standard input or output was closed, the input\n"
    "     ended before the item was described or could not be read, memory ran out,\n"
    "     a pipe took nothing for 5 seconds, or a file, its folder or the dialogue\n"
    "     could not be written or synced completely\n"
    "\n"
    "Example: a magical Short Sword with the prefix Jagged and the suffix Worth,\n"
    "  mkdir -p files && printf '1\\n1\\n1\\n1\\n3\\n2\\n1\\n6\\n1\\n' | tessark\n";

constexpr std::string_view version = "tessark " TESSARK_VERSION "\n";

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, ConsoleWriter& out,
                                     ConsoleWriter& err) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument == "--help" || argument == "--version") {
      out << (argument == "--help" ? usage : version);
      if (out.flush()) return 0;
      err << "Tessark: cannot write to standard output.\n";
      return 1;
    }
  }
  return std::nullopt;
}

}  // namespace tessark
