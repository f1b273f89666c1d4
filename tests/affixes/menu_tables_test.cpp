#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "affixes/prefix_menus.hpp"
#include "affixes/suffix_menus.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"

namespace tessark {
namespace {

using enum CategoryId;

struct Block {
  std::vector<CategoryId> categories;
  std::string_view groupPrompt;
  std::vector<std::size_t> rowsPerGroup;  // 0 for a group that holds a single prefix
};

const Block blocks[] = {
    {{sword, dagger, mace, axe, spear, polearm},
     "What category of prefixes: ",
     {7, 7, 7, 0, 2, 2, 2, 2, 2, 0, 0}},
    {{scepter}, "What category of prefixes: ", {7, 7, 7, 6, 3, 3, 3, 4, 2, 0, 0}},
    {{wand}, "What category of prefixes: ", {6, 5, 5, 6, 2, 4, 4, 4, 3, 2, 0, 0}},
    {{staff}, "What category of prefixes: ", {6, 5, 5, 6, 2, 4, 4, 4, 3, 2, 0, 0}},
    {{bow}, "What category of prefixes: ", {7, 7, 7, 3, 4, 4, 3, 2}},
    {{armor, helm}, "Which Category of Prefixes: ", {6, 3, 2, 3, 3, 4, 3}},
    {{boots}, "Which Category of Prefixes: ", {6, 2, 2, 4, 4, 4, 3, 0, 0}},
    {{gloves}, "Which Category of Prefixes: ", {0, 6, 2, 2, 3, 3, 3, 3, 0}},
    {{shield}, "Which Category of Prefixes: ", {6, 2, 2, 2, 3, 3, 3, 3, 0}},
    {{belt}, "Which Category of Prefixes: ", {6, 4, 2, 3, 3, 4, 3, 0}},
    {{amulet}, "Which Prefix: ", {0, 6, 2, 4, 4, 4, 4, 0, 10, 0, 0, 0}},
    {{ring}, "Which Prefix: ", {6, 6, 2, 4, 4, 4, 4, 0, 0, 0, 0}},
};

// Every tag must be of its kind and name a description; together they must name every one.
void expectTagsNameEveryDescription(const std::vector<AffixTag>& tags, char kind,
                                    std::span<const DescriptionEntry> descriptions) {
  std::set<std::string_view> named;
  for (AffixTag tag : tags) {
    ASSERT_GE(tag.size(), 2u) << tag;
    EXPECT_EQ(tag[0], kind) << tag;
    const std::string_view name = tag.substr(1);
    EXPECT_TRUE(std::any_of(descriptions.begin(), descriptions.end(), [&](auto& entry) {
      return entry.key == name;
    })) << tag;
    named.insert(name);
  }
  EXPECT_EQ(named.size(), descriptions.size());
}

TEST(PrefixMenus, EachCategoryHasTheMenusOfExactlyOneBlock) {
  ASSERT_EQ(prefixBlocks.size(), std::size(blocks));
  for (int id = 1; id <= 18; ++id) {
    const auto category = static_cast<CategoryId>(id);
    int seenIn = 0;
    for (std::size_t i = 0; i < prefixBlocks.size(); ++i) {
      const bool listed = std::find(blocks[i].categories.begin(), blocks[i].categories.end(),
                                    category) != blocks[i].categories.end();
      EXPECT_EQ(prefixBlocks[i].categories.contains(category), listed) << id << " in " << i;
      seenIn += prefixBlocks[i].categories.contains(category) ? 1 : 0;
    }
    EXPECT_EQ(seenIn, 1) << id;
  }
}

TEST(PrefixMenus, BlocksHaveTheirPromptGroupsAndRows) {
  std::set<std::string> subMenus;
  for (std::size_t i = 0; i < prefixBlocks.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(prefixBlocks[i].groupPrompt, blocks[i].groupPrompt);
    std::vector<std::size_t> rowsPerGroup;
    for (const PrefixGroup& group : prefixBlocks[i].groups) {
      rowsPerGroup.push_back(group.subMenu.rows.size());
      // A group either opens a sub-menu or chooses its single prefix, never both.
      EXPECT_NE(group.subMenu.rows.empty(), group.singleTag.empty()) << group.line;
      std::string text(group.subMenu.header);
      for (const PrefixRow& row : group.subMenu.rows)
        text += std::string(row.line) + "|" + std::string(row.tag);
      if (!group.subMenu.rows.empty()) subMenus.insert(text);
    }
    EXPECT_EQ(rowsPerGroup, blocks[i].rowsPerGroup);
  }
  EXPECT_EQ(subMenus.size(), 40u);
}

TEST(SuffixMenus, GroupsHaveTheirRows) {
  const std::vector<std::size_t> expected{5, 5, 5, 7, 3, 4, 7, 3, 2, 3, 3, 3, 2, 2, 2, 4,
                                          2, 2, 4, 4, 2, 2, 2, 2, 2, 2, 3, 0, 0, 0, 0};
  std::vector<std::size_t> rowsPerGroup;
  for (const SuffixGroup& group : suffixGroups) {
    rowsPerGroup.push_back(group.rows.size());
    EXPECT_NE(group.rows.empty(), group.singleTag.empty()) << group.line;
  }
  EXPECT_EQ(rowsPerGroup, expected);
}

TEST(AffixMenus, EveryTagNamesADescriptionOfItsKind) {
  std::vector<AffixTag> prefixTags;
  for (const PrefixBlock& block : prefixBlocks) {
    for (const PrefixGroup& group : block.groups) {
      if (!group.singleTag.empty()) prefixTags.push_back(group.singleTag);
      for (const PrefixRow& row : group.subMenu.rows) prefixTags.push_back(row.tag);
    }
  }
  expectTagsNameEveryDescription(prefixTags, '1', prefixDescriptions);

  std::vector<AffixTag> suffixTags;
  for (const SuffixGroup& group : suffixGroups) {
    if (!group.singleTag.empty()) suffixTags.push_back(group.singleTag);
    for (const SuffixRow& row : group.rows) suffixTags.push_back(row.tag);
  }
  EXPECT_EQ(suffixTags.size(), 91u);
  expectTagsNameEveryDescription(suffixTags, '2', suffixDescriptions);
}

}  // namespace
}  // namespace tessark
