#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/dialogue_texts.hpp"
#include "support/run_program_process.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing::texts;
using testing::ProcessResult;
using testing::readFile;
using testing::runTessark;
using testing::WorkFolder;

// Menu blocks of the items these runs describe.
constexpr std::string_view exceptionalArmorMenu =
    "1. Ghost Armor           9.  Russet Armor\n"
    "2. Serpentskin Armor     10. Mage Plate\n"
    "3. Demonhide Armor       11. Sharktooth Armor\n"
    "4. Trellised Armor       12. Templar Coat\n"
    "5. Linked Mail           13. Embossed Plate\n"
    "6. Tigulated Mail        14. Chaos Armor\n"
    "7. Cuirass               15. Ornate Plate\n"
    "8. Mesh Armor            \n"
    "Which Armor: ";

constexpr std::string_view armorPrefixGroups =
    "\n1. + Defense\n2. + Mana\n3. + Light Radius\n4. + Fire Resist\n5. + Cold Resist\n"
    "6. + Lightning Resist\n7. + Poison Resist\nWhich Category of Prefixes: ";
constexpr std::string_view defensePrefixRows =
    "+ Defense\n"
    "1. Sturdy      120-130% Defense\n"
    "2. Strong      131-140% Defense\n"
    "3. Glorious    141-150% Defense\n"
    "4. Blessed     151-160% Defense\n"
    "5. Saintly     161-180% Defense\n"
    "6. Holy        181-200% Defense\n"
    "Which Prefix: ";
constexpr std::string_view armorManaPrefixRows =
    "+ Mana\n"
    "1. Lizard's     + 1-5 to Mana\n"
    "2. Serpent's    +11-20 to Mana\n"
    "3. Dragon's     +31-40 to Mana\n"
    "Which Prefix: ";

constexpr std::string_view monsterDefenseRows =
    "1. Puncturing -(10-20) to Monster AC Per Hit\n"
    "2. Bashing    -(25-40) to Monster AC Per Hit \n"
    "Which Suffix: ";

constexpr std::string_view armorSuffixGroups =
    "\n2. + Dexterity\n4. + Life\n5. + Light Radius\n12. Poison Length Reduction\n"
    "15. + Life Regeneration\n18. Faster Hit Recovery\n19. Damage Reduction\n"
    "20. Magic Damage Reduction\n25. Attacker takes damage\n26. - Item Requirements\n"
    "Which Category of Suffixes: ";
constexpr std::string_view armorDamageReductionRows =
    "1. Health     Damage Reduced by 1 \nWhich Suffix: ";
constexpr std::string_view attackerDamageRows =
    "1. Thorns   Attacker Takes Damage of 1-3\n"
    "2. Spikes   Attacker Takes Damage of 2-6\n"
    "Which Suffix: ";

// One description record of the modifier list.
struct Affix {
  bool prefix;
  std::string_view name, least, best;
};
using Affixes = std::vector<Affix>;

constexpr Affix jagged{true, "Jagged", "110% Enhanced Damage", "120% Enhanced Damage"};
constexpr Affix worth{false, "Worth", "+1 to Minimum Damage", "+1 to Minimum Damage"};
constexpr Affix prismatic{true, "Prismatic", "+15% All Resistances(Rings +15%)",
                          "+25% All Resistances(Rings +15%)"};

// An Amulet reached by the rare flow, for the runs that test the answers before its counts.
const std::string rareAmuletTail = join({categoryMenu, qualityMenu, prefixCountPrompt});
const std::string itemlessEnd = join({suffixCountPrompt, rulesBanner, closingMessage});

// The work files as the modifier list with `affixes`, and its split, must leave them.
std::vector<std::pair<std::string, std::string>> expectedWorkFiles(const Affixes& affixes) {
  std::string list, names[2], least[2], best[2];
  for (const Affix& affix : affixes) {
    const int kind = affix.prefix ? 0 : 1;
    list += join({affix.prefix ? "Prefix: " : "Suffix: ", affix.name, "\nLeast: ", affix.least,
                  "\nBest: ", affix.best, "\n"});
    names[kind] += join({affix.name, "\n"});
    least[kind] += join({affix.least, "\n"});
    best[kind] += join({affix.best, "\n"});
  }
  return {{"files/Modlist.dat", list},      {"files/Prefix.dat", names[0]},
          {"files/Suffix.dat", names[1]},   {"files/BestPre.dat", best[0]},
          {"files/LeastPre.dat", least[0]}, {"files/BestSuf.dat", best[1]},
          {"files/LeastSuf.dat", least[1]}};
}

// "The Item.txt" for an item; each range is its whole value line, or empty for none.
std::string itemReport(std::string_view category, std::string_view base, const Affixes& affixes,
                       std::string_view bestRange, std::string_view leastRange) {
  std::string names[2], least[2], best[2];
  for (const Affix& affix : affixes) {
    const int kind = affix.prefix ? 0 : 1;
    names[kind] += join({affix.name, " "});
    least[kind] += join({affix.least, "\n"});
    best[kind] += join({affix.best, "\n"});
  }
  return join({category,
               "\n",
               base,
               "\n---------------------\n",
               names[0],
               " \n",
               base,
               " of\n",
               names[1],
               " \n------------------\nBest Possible Results: \n",
               bestRange,
               best[0],
               "\n",
               best[1],
               "\n\n------------------\nLowest Possible Results: \n",
               leastRange,
               least[0],
               "\n",
               least[1],
               "\n"});
}

// Every file and folder beneath `folder`, relative to it.
std::set<std::string> contents(const fs::path& folder) {
  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    found.insert(entry.path().lexically_relative(folder).generic_string());
  }
  return found;
}

const std::set<std::string> finishedFolder{"The Item.txt",       "files",
                                           "files/BestPre.dat",  "files/BestSuf.dat",
                                           "files/LeastPre.dat", "files/LeastSuf.dat",
                                           "files/Modlist.dat",  "files/Prefix.dat",
                                           "files/Suffix.dat"};

void expectWorkFiles(const Affixes& affixes) {
  for (const auto& [path, content] : expectedWorkFiles(affixes)) {
    EXPECT_EQ(readFile(path), content) << path;
  }
}

// A run that went to its end: the whole transcript, the report and every work file, and
// nothing else left in the working folder. A report of nullopt is not compared.
void expectFinished(const WorkFolder& folder, std::string_view input, const std::string& out,
                    const std::optional<std::string>& report, const Affixes& affixes) {
  const ProcessResult run = runTessark(folder.path(), input);
  ASSERT_FALSE(run.timedOut) << run.out;
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, out);
  if (report) {
    EXPECT_EQ(readFile("The Item.txt"), *report);
  }
  expectWorkFiles(affixes);
  EXPECT_EQ(contents(folder.path()), finishedFolder);
}

// A run that stopped because the input ended where an answer is required.
void expectStoppedByEndOfInput(std::string_view input, const std::string& out) {
  SCOPED_TRACE(input);
  WorkFolder folder;
  const ProcessResult run = runTessark(folder.path(), input);
  ASSERT_FALSE(run.timedOut) << run.out;
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err, "");
  EXPECT_EQ(run.out, out);
  EXPECT_EQ(readFile("files/Modlist.dat"), "");
  EXPECT_EQ(contents(folder.path()), (std::set<std::string>{"files", "files/Modlist.dat"}));
}

TEST(Dialogue, TypicalRunPrintsEveryMenuAndWritesTheWorkedExample) {
  // Answers typed with CRLF line ends, as a Windows console or editor gives them, mean the same.
  std::string crlfInput;
  for (char c : typicalInput) crlfInput += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& input : {std::string(typicalInput), crlfInput}) {
    WorkFolder folder;
    expectFinished(folder, input, join({typicalDialogue, closingMessage}),
                   std::string(typicalReport), {jagged, worth});
  }
}

TEST(Dialogue, RareArmorShowsAllPrefixMenusThenAllSuffixMenus) {
  WorkFolder folder;
  // Ornate Plate, 417 to 450: the two defense prefixes add their increases of the base.
  const std::string out = join({banner,
                                classificationMenu,
                                categoryMenu,
                                qualityMenu,
                                exceptionalArmorMenu,
                                prefixCountPrompt,
                                suffixCountPrompt,
                                rulesBanner,
                                armorPrefixGroups,
                                defensePrefixRows,
                                armorPrefixGroups,
                                defensePrefixRows,
                                armorPrefixGroups,
                                armorManaPrefixRows,
                                armorSuffixGroups,
                                allLifeRows,
                                armorSuffixGroups,
                                armorDamageReductionRows,
                                armorSuffixGroups,
                                attackerDamageRows,
                                closingMessage});
  const Affixes affixes{
      {true, "Sturdy", "120% Defense", "130% Defense"},
      {true, "Holy", "181% Defense", "200% Defense"},
      {true, "Dragon's", "+31 Mana", "+40 Mana"},
      {false, "Colossus", "+41 to Life", "+60 to Life"},
      {false, "Health", "Damage Reduced by 1", "Damage Reduced by 1"},
      {false, "Spikes", "Attacker Takes Damage of 2", "Attacker Takes Damage of 6"}};
  expectFinished(folder, "2\n11\n2\n15\n3\n3\n1\n1\n1\n6\n2\n3\n4\n7\n19\n1\n25\n2\n", out,
                 itemReport("Armor", "Ornate Plate", affixes, "Defense: 959 -- 1035\n",
                            "Defense: 838 -- 905\n"),
                 affixes);
}

TEST(Dialogue, RareItemWithoutAffixesStillReportsItsBaseDamage) {
  WorkFolder folder;
  const std::string out =
      join({banner, classificationMenu, categoryMenu, qualityMenu, normalSwordMenu,
            prefixCountPrompt, suffixCountPrompt, rulesBanner, closingMessage});
  expectFinished(folder, "2\n1\n1\n1\n0\n0\n", out,
                 itemReport("Sword", "Short Sword", {}, "Damage: 2 -- 7\n", "Damage: 2 - 7\n"), {});
}

TEST(Dialogue, MonsterDefenseSuffixesCarryTheirOwnTexts) {
  WorkFolder folder;
  const std::string out =
      join({banner, classificationMenu, categoryMenu, qualityMenu, normalSwordMenu,
            prefixCountPrompt, suffixCountPrompt, rulesBanner, swordSuffixGroups,
            monsterDefenseRows, swordSuffixGroups, monsterDefenseRows, closingMessage});
  const Affixes affixes{
      {false, "Puncturing", "-10 to Monster AC Per Hit", "-20 to Monster AC Per Hit"},
      {false, "Bashing", "-25 to Monster AC Per Hit", "-40 to Monster AC Per Hit"}};
  expectFinished(folder, "2\n1\n1\n1\n0\n2\n23\n1\n23\n2\n", out,
                 itemReport("Sword", "Short Sword", affixes, "Damage: 2 -- 7\n", "Damage: 2 - 7\n"),
                 affixes);
}

TEST(Dialogue, AmuletHasNoBaseItemMenuAndNoValueLines) {
  WorkFolder folder;
  const std::string out =
      join({banner, classificationMenu, categoryMenu, qualityMenu, modificationMenu,
            amuletPrefixGroups, prismaticLine, closingMessage});
  expectFinished(folder, "1\n17\n1\n1\n8\n", out,
                 itemReport("Amulet", "Amulet", {prismatic}, "", ""), {prismatic});
}

TEST(Dialogue, ClassificationIsAskedAgainUntilItIsOneOrTwo) {
  WorkFolder folder;
  // 010 is octal 8; 0x2 is hexadecimal 2, the rare flow.
  std::string out(banner);
  for (int refused = 0; refused < 4; ++refused) out += join({classificationMenu, improperInput});
  out += join({classificationMenu, rareAmuletTail, itemlessEnd});
  expectFinished(folder, "0\n3\n-1\n010\n0x2\n17\n1\n0\n0\n", out,
                 itemReport("Amulet", "Amulet", {}, "", ""), {});
}

TEST(Dialogue, LettersAfterTheClassificationAreWhatTheCategoryReadFinds) {
  WorkFolder folder;
  // "abc" leaves the category unset and is dropped with its line, so the quality is 1 and no
  // base item menu follows. What an item without category reports is not pinned here.
  const std::string out = join({banner, classificationMenu, rareAmuletTail, itemlessEnd});
  expectFinished(folder, "2abc\n1\n0\n0\n", out, std::nullopt, {});
}

TEST(Dialogue, ModificationIsAskedAgainUntilItIsOneToThree) {
  WorkFolder folder;
  const std::string out =
      join({banner, classificationMenu, categoryMenu, qualityMenu, modificationMenu,
            modificationError, modificationMenu, modificationError, modificationMenu,
            amuletPrefixGroups, prismaticLine, closingMessage});
  expectFinished(folder, "1\n17\n1\n4\nx\n1\n8\n", out,
                 itemReport("Amulet", "Amulet", {prismatic}, "", ""), {prismatic});
}

TEST(Dialogue, RareCountsAreAskedAgainSilentlyUntilZeroToThree) {
  WorkFolder folder;
  const std::string out = join({banner, classificationMenu, categoryMenu, qualityMenu,
                                prefixCountPrompt, prefixCountPrompt, prefixCountPrompt,
                                suffixCountPrompt, suffixCountPrompt, itemlessEnd});
  expectFinished(folder, "2\n17\n1\n5\n-1\n0\n5\n-1\n0\n", out,
                 itemReport("Amulet", "Amulet", {}, "", ""), {});
}

TEST(Dialogue, OnlyASuffixShowsTheSuffixMenusAlone) {
  WorkFolder folder;
  const std::string out =
      join({banner, classificationMenu, categoryMenu, qualityMenu, normalSwordMenu,
            modificationMenu, swordSuffixGroups, minimumDamageRows, closingMessage});
  expectFinished(folder, "1\n1\n1\n1\n2\n6\n1\n", out,
                 itemReport("Sword", "Short Sword", {worth}, "Damage: 3 -- 7\n", "Damage: 3 - 7\n"),
                 {worth});
}

TEST(Dialogue, RareCountsRefuseFourSilentlyAndOnePrefixAloneIsApplied) {
  WorkFolder folder;
  const std::string out =
      join({banner, classificationMenu, rareAmuletTail, prefixCountPrompt, suffixCountPrompt,
            suffixCountPrompt, rulesBanner, amuletPrefixGroups, prismaticLine, closingMessage});
  expectFinished(folder, "2\n17\n1\n4\n1\n4\n0\n8\n", out,
                 itemReport("Amulet", "Amulet", {prismatic}, "", ""), {prismatic});
}

TEST(Dialogue, InputEndingInAnAskAgainLoopStopsWithoutReport) {
  const std::string start = join({banner, classificationMenu});
  const std::string sword = join({start, categoryMenu, qualityMenu, normalSwordMenu});
  expectStoppedByEndOfInput("", start);
  expectStoppedByEndOfInput("5\n", join({start, improperInput, classificationMenu}));
  expectStoppedByEndOfInput("1\n1\n1\n1\n", join({sword, modificationMenu}));
  // The category and quality menus read once and go on without an answer.
  expectStoppedByEndOfInput("1\n", join({start, categoryMenu, qualityMenu, modificationMenu}));
  expectStoppedByEndOfInput("2\n1\n1\n1\n7\n", join({sword, prefixCountPrompt, prefixCountPrompt}));
  expectStoppedByEndOfInput("2\n1\n1\n1\n0\n", join({sword, prefixCountPrompt, suffixCountPrompt}));
}

TEST(Dialogue, AnswersEndingAtAMenuThatReadsOnceLeaveTheEarlierReport) {
  WorkFolder folder;
  testing::writeFile("The Item.txt", "earlier report\n");
  // A rare Ornate Plate with two prefixes and a suffix: the answers end after the first prefix.
  const ProcessResult run = runTessark(folder.path(), "2\n11\n2\n15\n2\n1\n1\n6\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "Tessark: the answers ended before the item was described; \"The Item.txt\" was left "
            "as it was.\n");
  EXPECT_EQ(run.out,
            join({banner, classificationMenu, categoryMenu, qualityMenu, exceptionalArmorMenu,
                  prefixCountPrompt, suffixCountPrompt, rulesBanner, armorPrefixGroups,
                  defensePrefixRows, armorPrefixGroups, armorSuffixGroups}));
  EXPECT_EQ(readFile("The Item.txt"), "earlier report\n");
  // The work files are written all the same, the split included.
  expectWorkFiles({{true, "Holy", "181% Defense", "200% Defense"}});
  EXPECT_EQ(contents(folder.path()), finishedFolder);
}

TEST(Dialogue, ALastAnswerWithoutLineEndIsAnAnswer) {
  WorkFolder folder;
  std::string input(typicalInput);
  input.pop_back();
  expectFinished(folder, input, join({typicalDialogue, closingMessage}), std::string(typicalReport),
                 {jagged, worth});
}

TEST(Dialogue, MissingFilesFolderStopsBeforeTheBanner) {
  WorkFolder folder(false);
  const ProcessResult run = runTessark(folder.path(), typicalInput);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  // The message must name the folder the player has to create.
  EXPECT_NE(run.err.find("\"files\""), std::string::npos) << run.err;
  EXPECT_EQ(contents(folder.path()), std::set<std::string>{});
}

TEST(Dialogue, FolderInPlaceOfTheReportStopsWithoutClosingMessage) {
  WorkFolder folder;
  fs::create_directory("The Item.txt");
  const ProcessResult run = runTessark(folder.path(), typicalInput);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err, "");
  EXPECT_EQ(run.out, typicalDialogue);
  EXPECT_TRUE(fs::is_empty("The Item.txt"));
  expectWorkFiles({jagged, worth});
}

}  // namespace
}  // namespace tessark
