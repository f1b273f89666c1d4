#include "report/item_report.hpp"

#include <charconv>
#include <cstdint>
#include <string>

#include "catalogue/categories.hpp"
#include "foundation/item_record.hpp"
#include "report/split_modifier_list.hpp"
#include "report/text_file.hpp"

namespace tessark {
namespace {

TextFile openForReading(std::string_view path) {
  return TextFile(std::string(path), TextFile::Mode::read);
}

// Copies every line of a work file, each followed by `separator`. The last read meets the end of
// the file with an empty text, so one separator more follows: the layout depends on it.
void copyLines(TextFile& source, TextFile& report, std::string_view separator) {
  while (!source.atEnd()) {
    report.write(source.readLine());
    report.write(separator);
  }
}

// Writes "<label><min><between><max>\n".
void writeRange(TextFile& report, std::string_view label, std::int32_t min,
                std::string_view between, std::int32_t max) {
  char digits[16];
  report.write(label);
  report.write({digits, std::to_chars(digits, digits + sizeof digits, min).ptr});
  report.write(between);
  report.write({digits, std::to_chars(digits, digits + sizeof digits, max).ptr});
  report.write("\n");
}

// Writes "The Item.txt" of `item` from the six work files.
void writeReportFile(const ItemRecord& item) {
  TextFile report(std::string(itemReportPath), TextFile::Mode::write, TextFile::Kind::report);
  TextFile leastPrefixTexts = openForReading(leastPrefixTextsPath);
  TextFile bestPrefixTexts = openForReading(bestPrefixTextsPath);
  TextFile leastSuffixTexts = openForReading(leastSuffixTextsPath);
  TextFile bestSuffixTexts = openForReading(bestSuffixTextsPath);
  TextFile prefixNames = openForReading(prefixNamesPath);
  TextFile suffixNames = openForReading(suffixNamesPath);

  const CategoryId id = categoryIdOf(item.category);
  const bool weapon = weapons.contains(id);
  const bool armor = armors.contains(id);

  for (std::string_view part :
       {item.category, std::string_view("\n"), item.baseName, std::string_view("\n"),
        std::string_view("---------------------\n")}) {
    report.write(part);
  }
  copyLines(prefixNames, report, " ");
  for (std::string_view part : {std::string_view("\n"), item.baseName, std::string_view(" of\n")}) {
    report.write(part);
  }
  copyLines(suffixNames, report, " ");

  report.write("\n------------------\nBest Possible Results: \n");
  if (weapon) writeRange(report, "Damage: ", item.bestMinDamage, " -- ", item.bestMaxDamage);
  if (armor) writeRange(report, "Defense: ", item.bestMinDefense, " -- ", item.bestMaxDefense);
  copyLines(bestPrefixTexts, report, "\n");
  copyLines(bestSuffixTexts, report, "\n");

  report.write("\n------------------\nLowest Possible Results: \n");
  if (weapon) writeRange(report, "Damage: ", item.leastMinDamage, " - ", item.leastMaxDamage);
  if (armor) writeRange(report, "Defense: ", item.leastMinDefense, " -- ", item.leastMaxDefense);
  copyLines(leastPrefixTexts, report, "\n");
  copyLines(leastSuffixTexts, report, "\n");
  report.close();
}

}  // namespace

void ItemRecord::writeItemReport(Console& console) const {
  splitModifierList();
  writeReportFile(*this);
  // Only a complete report is announced.
  console.out << closingMessage;
}

}  // namespace tessark
