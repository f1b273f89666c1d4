// The start and the appends of the modifier list, and the two appends named for the item record.
#include "report/modifier_list.hpp"

#include <string>

#include "foundation/item_record.hpp"
#include "report/prefix_descriptions.hpp"
#include "report/suffix_descriptions.hpp"

namespace tessark {

void emptyModifierList(WorkFiles& files) {
  const WorkFileText empty{WorkFile::modifierList, {}};
  files.rewrite({&empty, 1});
}

void appendDescription(WorkFiles& files, std::span<const DescriptionEntry> table,
                       std::string_view nameLabel, std::string_view name) {
  std::string records;
  for (const DescriptionEntry& entry : table) {
    if (entry.key != name) continue;
    for (std::string_view part :
         {nameLabel, entry.shownName, std::string_view("\n"), leastLabel, entry.leastText,
          std::string_view("\n"), bestLabel, entry.bestText, std::string_view("\n")}) {
      records += part;
    }
  }
  files.append(WorkFile::modifierList, records);
}

void ItemRecord::appendPrefixDescription(WorkFiles& files, std::string_view name) {
  appendDescription(files, prefixDescriptions, prefixLabel, name);
}

void ItemRecord::appendSuffixDescription(WorkFiles& files, std::string_view name) {
  appendDescription(files, suffixDescriptions, suffixLabel, name);
}

}  // namespace tessark
