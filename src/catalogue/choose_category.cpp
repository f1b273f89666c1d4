// ItemRecord::chooseCategory: the menu of the 18 categories and the choice that sets the item's
// category.
#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "foundation/numbered_choice.hpp"
#include "foundation/print_lines.hpp"
#include "foundation/read_choice.hpp"

namespace tessark {
namespace {

// The category menu, three columns of the 18 categories, and the empty line under it.
constexpr std::array<std::string_view, 8> categoryMenu{
    "\nChoose Type of Item:\n",
    "1. Sword       7.  Mace         13. Gloves\n",
    "2. Scepter     8.  Axe          14. Helm\n",
    "3. Wand        9.  Spear        15. Shield\n",
    "4. Staff       10. Polearm      16. Belt\n",
    "5. Bow         11. Armor        17. Amulet\n",
    "6. Dagger      12. Boots        18. Ring\n",
    "\n",
};

}  // namespace

void ItemRecord::chooseCategory(Console& console) {
  printLines(console.out, categoryMenu);
  std::int32_t choice = 0;
  readChoice(console, choice);
  if (const CategoryEntry* chosen = numberedChoice<CategoryEntry>(categories, choice)) {
    category = chosen->name;
  }
}

}  // namespace tessark
