// ItemRecord::chooseSuffix: shows the suffix groups and rows that fit the item's category, reads
// the group and the row, and returns the tag chosen.
#include <cstdint>
#include <string_view>

#include "affixes/suffix_menus.hpp"
#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "foundation/numbered_choice.hpp"
#include "foundation/read_choice.hpp"

namespace tessark {
namespace {

constexpr std::string_view groupPrompt = "Which Category of Suffixes: ";
constexpr std::string_view suffixPrompt = "Which Suffix: ";

}  // namespace

AffixTag ItemRecord::chooseSuffix(Console& console) const {
  console.out << '\n';
  console.out.flush();
  const CategoryId id = categoryIdOf(category);

  // Lines are shown only to the categories they fit, but every number keeps its meaning.
  for (const SuffixGroup& group : suffixGroups) {
    if (group.shownFor.contains(id)) console.out << group.line;
  }
  console.out << groupPrompt;
  std::int32_t groupNumber = 0;
  readChoice(console, groupNumber);
  const SuffixGroup* group = numberedChoice<SuffixGroup>(suffixGroups, groupNumber);
  if (group == nullptr) return noAffix;
  if (!group->singleTag.empty()) {
    console.out << group->singleText;
    return group->singleTag;
  }

  for (const SuffixRow& row : group->rows) {
    if (row.shownFor.contains(id)) console.out << row.line;
  }
  console.out << suffixPrompt;
  std::int32_t rowNumber = 0;
  readChoice(console, rowNumber);
  const SuffixRow* row = numberedChoice(group->rows, rowNumber);
  return row != nullptr ? row->tag : noAffix;
}

}  // namespace tessark
