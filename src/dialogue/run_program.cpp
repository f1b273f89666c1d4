// runProgram: the run from start to end: the work folder taken, the banner, the classification
// asked until it is 1 or 2 and its flow, and status 1 with its message for a run that stops.

// It holds the work files, which makes sure that they are distinct, and empties the modifier list
// before the banner; the flows are magic_item_flow.cpp and rare_item_flow.cpp. A RunStopped thrown
// anywhere beneath ends the run here.
#include "dialogue/run_program.hpp"

#include <array>
#include <cstdint>
#include <new>
#include <string_view>

#include "foundation/print_lines.hpp"
#include "foundation/read_choice.hpp"
#include "foundation/run_stopped.hpp"
#include "report/modifier_list.hpp"
#include "work_files/held_work_files.hpp"

namespace tessark {
namespace {

constexpr std::array<std::string_view, 7> banner{
    "Welcome to the Tessark by Ombrith.\n",
    "This program has you input information\n",
    "about a desired item and then writes\n",
    "the best and worst possiblities of the item\n",
    "into a file called 'The Item.txt'.  You can then\n",
    "run the file 'Corvellan.exe' to store the item\n",
    "which you have created.\n\n",
};

constexpr std::array<std::string_view, 2> classificationMenu{
    "1. Magical Item(blue)\n",
    "2. Rare Item(yellow)\n",
};
constexpr std::string_view classificationPrompt = "What classification of item: ";

}  // namespace

int runProgram(Console& console) {
  try {
    // Held to the end of the run: nothing may change the work files of another run.
    HeldWorkFiles files;
    emptyModifierList(files);
    printLines(console.out, banner);
    std::int32_t answer = 0;
    for (;;) {
      printLines(console.out, classificationMenu);
      console.out << classificationPrompt;
      readRequiredChoice(console, answer, classificationPrompt);
      if (answer == 1 || answer == 2) {
        if (answer == 1) {
          describeMagicItem(console, files);
        } else {
          describeRareItem(console, files);
        }
        // The closing message too must have been shown.
        if (!console.out.flush()) {
          throw RunStopped(
              "Tessark: \"The Item.txt\" was written, but the closing message could not be "
              "shown on standard output.");
        }
        return 0;
      }
      console.out << "Improper Input, Retry\n";
    }
  } catch (const RunStopped& stop) {
    console.out.flush();
    console.err << stop.what() << '\n';
  } catch (const std::bad_alloc&) {
    console.out.flush();
    console.err << outOfMemoryMessage << '\n';
  }
  return 1;
}

}  // namespace tessark
