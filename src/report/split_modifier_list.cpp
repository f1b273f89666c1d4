// The split of the applied affixes' description records into the six texts, and the rewriting of
// the six work files with them.
#include "report/split_modifier_list.hpp"

#include <array>

#include "report/described.hpp"
#include "report/text_file.hpp"

namespace tessark {
namespace {

// Appends `text` as one line.
void appendLine(std::string& file, std::string_view text) {
  file += text;
  file += '\n';
}

TextFile openForWriting(std::string_view path) {
  return TextFile(std::string(path), TextFile::Mode::write);
}

}  // namespace

SplitTexts splitModifierList(std::span<const AffixTag> appliedAffixes) {
  SplitTexts texts;
  for (AffixTag tag : appliedAffixes) {
    const DescriptionEntry* entry = descriptionOf(tag);
    if (entry == nullptr) continue;
    const bool prefix = tag.front() == prefixKind;
    appendLine(prefix ? texts.prefixNames : texts.suffixNames, entry->shownName);
    appendLine(prefix ? texts.leastPrefixTexts : texts.leastSuffixTexts, entry->leastText);
    appendLine(prefix ? texts.bestPrefixTexts : texts.bestSuffixTexts, entry->bestText);
  }
  return texts;
}

void writeSplitFiles(const SplitTexts& texts) {
  // All six are opened before any is written, and closed in the same order: a file that cannot be
  // opened leaves the ones before it empty rather than some of them new.
  std::array<TextFile, 6> files{
      openForWriting(prefixNamesPath),     openForWriting(suffixNamesPath),
      openForWriting(bestPrefixTextsPath), openForWriting(leastPrefixTextsPath),
      openForWriting(bestSuffixTextsPath), openForWriting(leastSuffixTextsPath)};
  const std::array<const std::string*, 6> contents{&texts.prefixNames,     &texts.suffixNames,
                                                   &texts.bestPrefixTexts, &texts.leastPrefixTexts,
                                                   &texts.bestSuffixTexts, &texts.leastSuffixTexts};
  for (std::size_t i = 0; i < files.size(); ++i) files[i].write(*contents[i]);
  for (TextFile& file : files) file.close();
}

}  // namespace tessark
