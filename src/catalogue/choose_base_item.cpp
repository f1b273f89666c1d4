// ItemRecord::chooseBaseItem: the quality menu, then the base item menu of the item's category
// in that quality.
#include <cstdint>
#include <string_view>

#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "foundation/numbered_choice.hpp"
#include "foundation/print_lines.hpp"
#include "foundation/read_choice.hpp"

namespace tessark {
namespace {

constexpr std::string_view qualityMenu = "\nChoose Quality\n1. Normal\n2. Exceptional\n";
constexpr std::int32_t normalQuality = 1;
constexpr std::int32_t exceptionalQuality = 2;

}  // namespace

void ItemRecord::chooseBaseItem(Console& console) {
  console.out << qualityMenu;
  std::int32_t quality = 0;
  readChoice(console, quality);
  if (quality != normalQuality && quality != exceptionalQuality) return;

  const CategoryId id = categoryIdOf(category);
  if (id == CategoryId::none) return;
  const CategoryEntry& entry = categoryEntry(id);
  if (entry.prompt.empty()) {
    // "Amulet" and "Ring" have no base item menu: the category is its own base item.
    baseName = entry.name;
    return;
  }

  const BaseItemMenu& menu = quality == normalQuality ? entry.normal : entry.exceptional;
  printLines(console.out, menu.lines);
  console.out << entry.prompt;
  std::int32_t choice = 0;
  readChoice(console, choice);
  if (const BaseItem* chosen = numberedChoice(menu.items, choice)) baseName = chosen->name;
}

}  // namespace tessark
