// describeMagicItem, the flow of a magical item: category and base item, then a prefix, a suffix
// or both (asked again until the answer is 1 to 3), the chosen menus, the tags applied prefix
// first, and the report. run_program.cpp calls it; rare_item_flow.cpp is its sibling.
#include <array>
#include <cstdint>
#include <string_view>

#include "dialogue/run_program.hpp"
#include "foundation/item_record.hpp"
#include "foundation/print_lines.hpp"
#include "foundation/read_choice.hpp"

namespace tessark {
namespace {

constexpr std::array<std::string_view, 4> modificationMenu{
    "\n\n1. Only a prefix\n",
    "2. Only a suffix\n",
    "3. Both a prefix and a suffix\n",
    "What modifications do you wish to add: ",
};
constexpr std::string_view modificationPrompt = modificationMenu.back();

}  // namespace

void describeMagicItem(Console& console, WorkFiles& files) {
  ItemRecord item;
  item.clearRanges();
  item.chooseCategory(console);
  item.chooseBaseItem(console);

  for (;;) {
    std::int32_t answer = 0;
    printLines(console.out, modificationMenu);
    readRequiredChoice(console, answer, modificationPrompt);
    if (answer == 1) {
      item.affixSlots[0] = item.choosePrefix(console);
      item.applyAffix(files, item.affixSlots[0]);
      break;
    }
    if (answer == 2) {
      item.affixSlots[0] = item.chooseSuffix(console);
      item.applyAffix(files, item.affixSlots[0]);
      break;
    }
    if (answer == 3) {
      // Both menus come before both applications, the prefix first.
      item.affixSlots[0] = item.choosePrefix(console);
      item.affixSlots[1] = item.chooseSuffix(console);
      item.applyAffix(files, item.affixSlots[0]);
      item.applyAffix(files, item.affixSlots[1]);
      break;
    }
    console.out << "\nError: Incorrect Enter, 1-3 only\n";
  }

  // An item whose affixes were all refused still reports its base range.
  item.fillBaseRanges();
  item.writeItemReport(console, files);
}

}  // namespace tessark
