#include "report/split_modifier_list.hpp"

#include <string>

#include "report/modifier_list.hpp"
#include "report/text_file.hpp"

namespace tessark {
namespace {

// The work files of one kind of record.
struct RecordFiles {
  TextFile& names;
  TextFile& leastTexts;
  TextFile& bestTexts;
};

// The text of a line from `position` on; nothing when the line is shorter.
std::string_view from(std::string_view line, std::size_t position) {
  return line.size() > position ? line.substr(position) : std::string_view();
}

// Writes the record whose name line is `nameLine` and reads its Least and Best lines; returns
// the last line read. The labels are cut by their length alone.
std::string_view splitRecord(TextFile& list, std::string_view nameLine, RecordFiles files) {
  static_assert(prefixLabel.size() == suffixLabel.size());
  files.names.write(from(nameLine, prefixLabel.size()));
  files.names.write("\n");
  files.leastTexts.write(from(list.readLine(), leastLabel.size()));
  std::string_view bestLine = list.readLine();
  files.bestTexts.write(from(bestLine, bestLabel.size()));
  files.leastTexts.write("\n");
  files.bestTexts.write("\n");
  return bestLine;
}

TextFile openForWriting(std::string_view path) {
  return TextFile(std::string(path), TextFile::Mode::write);
}

}  // namespace

void splitModifierList() {
  TextFile list(std::string(modifierListPath), TextFile::Mode::read);
  TextFile prefixNames = openForWriting(prefixNamesPath);
  TextFile suffixNames = openForWriting(suffixNamesPath);
  TextFile bestPrefixTexts = openForWriting(bestPrefixTextsPath);
  TextFile leastPrefixTexts = openForWriting(leastPrefixTextsPath);
  TextFile bestSuffixTexts = openForWriting(bestSuffixTextsPath);
  TextFile leastSuffixTexts = openForWriting(leastSuffixTextsPath);

  // The kind of a record is told by the first six characters of its name line.
  constexpr std::string_view prefixWord = prefixLabel.substr(0, 6);
  constexpr std::string_view suffixWord = suffixLabel.substr(0, 6);
  while (!list.atEnd()) {
    std::string_view line = list.readLine();
    if (line.starts_with(prefixWord)) {
      line = splitRecord(list, line, {prefixNames, leastPrefixTexts, bestPrefixTexts});
    }
    if (line.starts_with(suffixWord)) {
      splitRecord(list, line, {suffixNames, leastSuffixTexts, bestSuffixTexts});
    }
  }

  for (TextFile* file : {&prefixNames, &suffixNames, &bestPrefixTexts, &leastPrefixTexts,
                         &bestSuffixTexts, &leastSuffixTexts}) {
    file->close();
  }
}

}  // namespace tessark
