// The start and the appends of the modifier list, and the two appends named for the item record.
#include "report/modifier_list.hpp"

#include <string>

#include "foundation/item_record.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"
#include "report/text_file.hpp"

namespace tessark {

void emptyModifierList() {
  TextFile(std::string(modifierListPath), TextFile::Mode::write).close();
}

void appendDescription(std::span<const DescriptionEntry> table, std::string_view nameLabel,
                       std::string_view name) {
  TextFile list(std::string(modifierListPath), TextFile::Mode::append);
  for (const DescriptionEntry& entry : table) {
    if (entry.key != name) continue;
    for (std::string_view part :
         {nameLabel, entry.shownName, std::string_view("\n"), leastLabel, entry.leastText,
          std::string_view("\n"), bestLabel, entry.bestText, std::string_view("\n")}) {
      list.write(part);
    }
  }
  list.close();
}

void ItemRecord::appendPrefixDescription(std::string_view name) {
  appendDescription(prefixDescriptions, prefixLabel, name);
}

void ItemRecord::appendSuffixDescription(std::string_view name) {
  appendDescription(suffixDescriptions, suffixLabel, name);
}

}  // namespace tessark
