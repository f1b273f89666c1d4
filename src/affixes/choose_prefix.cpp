// ItemRecord::choosePrefix: shows the prefix block of the item's category, reads the group and,
// for a group that opens a sub-menu, the row, and returns the tag chosen.
#include <cstdint>
#include <string_view>

#include "affixes/prefix_menus.hpp"
#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "foundation/numbered_choice.hpp"
#include "foundation/read_choice.hpp"

namespace tessark {
namespace {

constexpr std::string_view prefixPrompt = "Which Prefix: ";

// The block whose menus the category sees, or nullptr for a category that is none of the 18.
const PrefixBlock* blockOf(CategoryId id) {
  for (const PrefixBlock& block : prefixBlocks) {
    if (block.categories.contains(id)) return &block;
  }
  return nullptr;
}

// Shows a sub-menu and returns the tag of the row the answer selects.
AffixTag chooseFromSubMenu(Console& console, const PrefixSubMenu& menu) {
  console.out << menu.header;
  for (const PrefixRow& row : menu.rows) console.out << row.line;
  console.out << prefixPrompt;
  std::int32_t number = 0;
  readChoice(console, number);
  const PrefixRow* row = numberedChoice(menu.rows, number);
  return row != nullptr ? row->tag : noAffix;
}

}  // namespace

AffixTag ItemRecord::choosePrefix(Console& console) const {
  console.out << '\n';
  console.out.flush();
  const PrefixBlock* block = blockOf(categoryIdOf(category));
  if (block == nullptr) return noAffix;

  for (const PrefixGroup& group : block->groups) console.out << group.line;
  console.out << block->groupPrompt;
  std::int32_t number = 0;
  readChoice(console, number);
  const PrefixGroup* group = numberedChoice(block->groups, number);
  if (group == nullptr) return noAffix;
  if (!group->singleTag.empty()) {
    console.out << group->singleText;
    return group->singleTag;
  }
  return chooseFromSubMenu(console, group->subMenu);
}

}  // namespace tessark
