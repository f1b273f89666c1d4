// describeRareItem, the flow of a rare item: category and base item, the numbers of prefixes and
// suffixes, the rules banner, the prefix and suffix menus and their applications, and the report.

// The numbers are 0 to 3 each, asked again silently until one fits; prefixes fill slots 0 to 2,
// suffixes 3 to 5. run_program.cpp calls it; magic_item_flow.cpp is its sibling.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dialogue/run_program.hpp"
#include "foundation/item_record.hpp"
#include "foundation/print_lines.hpp"
#include "foundation/read_choice.hpp"

namespace tessark {
namespace {

constexpr std::string_view prefixCountPrompt = "How Many Prefixes on the rare(0-3): ";
constexpr std::string_view suffixCountPrompt = "How Many Suffixes on the rare(0-3): ";
constexpr std::size_t firstSuffixSlot = 3;

constexpr std::array<std::string_view, 7> rulesBanner{
    "****************************************\n",
    "When choosing Modifiers, only choose\n",
    "one modifier per group, for example do not choose\n",
    "King's and Lord's.  However, you can choose\n",
    "a prefix and suffix that affect the same attribute,\n",
    "eg. Prefix Fortuitous and Suffix Fortune\n",
    "****************************************\n",
};

// Asks for a count of 0 to 3 until one comes, silently.
std::int32_t readCount(Console& console, std::string_view lead, std::string_view prompt) {
  std::int32_t count = -1;
  while (count < 0 || count > 3) {
    console.out << lead << prompt;
    readRequiredChoice(console, count, prompt);
  }
  return count;
}

}  // namespace

void describeRareItem(Console& console, WorkFiles& files) {
  ItemRecord item;
  item.clearRanges();
  item.chooseCategory(console);
  item.chooseBaseItem(console);

  const auto prefixes = static_cast<std::size_t>(readCount(console, "\n\n", prefixCountPrompt));
  const auto suffixes = static_cast<std::size_t>(readCount(console, "", suffixCountPrompt));
  printLines(console.out, rulesBanner);

  // All prefix menus, then all prefixes applied; then the same for the suffixes.
  for (std::size_t i = 0; i < prefixes; ++i) item.affixSlots[i] = item.choosePrefix(console);
  for (std::size_t i = 0; i < prefixes; ++i) item.applyAffix(files, item.affixSlots[i]);
  for (std::size_t i = 0; i < suffixes; ++i) {
    item.affixSlots[firstSuffixSlot + i] = item.chooseSuffix(console);
  }
  for (std::size_t i = 0; i < suffixes; ++i)
    item.applyAffix(files, item.affixSlots[firstSuffixSlot + i]);

  // An item without affixes still reports its base range.
  item.fillBaseRanges();
  item.writeItemReport(console, files);
}

}  // namespace tessark
