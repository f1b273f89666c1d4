// Compile-time proof that every tag a prefix or suffix menu can return has a description: a
// broken menu table fails the build instead of a run.
#include <cstddef>

#include "affixes/prefix_menus.hpp"
#include "affixes/suffix_menus.hpp"
#include "foundation/table_fault.hpp"
#include "report/described.hpp"

namespace tessark {
namespace {

// The first prefix line at fault: a group line must open a sub-menu or name a single prefix, and
// every tag must be a prefix tag with a description.
constexpr TableFault prefixDescriptionFault() {
  for (std::size_t b = 0; b < prefixBlocks.size(); ++b) {
    for (std::size_t number = 1; number <= prefixBlocks[b].groups.size(); ++number) {
      const PrefixGroup& group = prefixBlocks[b].groups[number - 1];
      if (group.subMenu.rows.empty() != !group.singleTag.empty()) {
        return tableFault("a group line opens no sub-menu or has a single prefix too",
                          PartName("prefix block ", b + 1), number, group.line);
      }
      if (!group.singleTag.empty() && !isDescribed(group.singleTag)) {
        return tableFault("a single prefix has no description", PartName("prefix block ", b + 1),
                          number, group.singleTag);
      }
      for (std::size_t row = 0; row < group.subMenu.rows.size(); ++row) {
        const AffixTag tag = group.subMenu.rows[row].tag;
        if (tag.front() != prefixKind || !isDescribed(tag)) {
          return tableFault("a row's tag is no prefix with a description",
                            PartName("prefix block ", b + 1, ", sub-menu of group ", number),
                            row + 1, tag);
        }
      }
    }
  }
  return {};
}

// The first suffix line whose tag is no suffix with a description.
constexpr TableFault suffixDescriptionFault() {
  for (std::size_t index = 0; index < suffixGroups.size(); ++index) {
    const SuffixGroup& group = suffixGroups[index];
    if (!group.singleTag.empty() && !isDescribed(group.singleTag)) {
      return tableFault("a single suffix has no description", "suffixGroups", index + 1,
                        group.singleTag);
    }
    for (std::size_t row = 0; row < group.rows.size(); ++row) {
      const AffixTag tag = group.rows[row].tag;
      if (tag.front() != suffixKind || !isDescribed(tag)) {
        return tableFault("a row's tag is no suffix with a description",
                          PartName("suffix group ", index + 1), row + 1, tag);
      }
    }
  }
  return {};
}

static_assert(tableChecked<prefixDescriptionFault()>());
static_assert(tableChecked<suffixDescriptionFault()>());

}  // namespace
}  // namespace tessark
