// The shapes of the prefix menus: a row returns a tag, a sub-menu is a header over numbered rows,
// a group line opens a sub-menu or names a single prefix, and a block is the whole group menu of
// the categories that share it. The tables are in prefix_menus.hpp; choose_prefix.cpp walks them.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "catalogue/category_id.hpp"
#include "foundation/affix_tag.hpp"

namespace tessark {

// One numbered row of a prefix sub-menu and the tag its number returns.
struct PrefixRow {
  std::string_view line;
  AffixTag tag;
};

// A prefix sub-menu: a header line and rows numbered from 1.
struct PrefixSubMenu {
  std::string_view header;
  std::span<const PrefixRow> rows;

  // The header and rows 1 to n: a view of this menu, not a copy.
  constexpr PrefixSubMenu firstRows(std::size_t n) const { return {header, rows.first(n)}; }
};

// One line of a prefix group menu: it opens a sub-menu, or names a single prefix that is
// printed and chosen at once (then `subMenu` is empty and `singleTag` is set).
struct PrefixGroup {
  std::string_view line;
  PrefixSubMenu subMenu;
  std::string_view singleText;
  AffixTag singleTag;
};

constexpr PrefixGroup opens(std::string_view line, PrefixSubMenu subMenu) {
  return {line, subMenu, {}, noAffix};
}
constexpr PrefixGroup singlePrefix(std::string_view line, std::string_view text, AffixTag tag) {
  return {line, {}, text, tag};
}

// The complete prefix menus of the categories in `categories`.
struct PrefixBlock {
  CategorySet categories;
  std::string_view groupPrompt;
  std::span<const PrefixGroup> groups;
};

}  // namespace tessark
