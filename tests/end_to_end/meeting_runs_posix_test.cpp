// Runs that meet: two working folders whose reports lead to one file, and work files made one
// with the report before a run or while it waits at a prompt. A run may stop, but never because
// another was running, and a failed run never touches "The Item.txt".
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <span>
#include <string>

#include "support/dialogue_texts.hpp"
#include "support/entry_state_posix.hpp"
#include "support/folder_outcome.hpp"
#include "support/started_run_posix.hpp"
#include "support/work_folder.hpp"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using namespace testing::texts;

// Two items, so that a report tells which run wrote it.
constexpr std::string_view swordInput = typicalInput;
constexpr std::string_view amuletInput = "1\n17\n1\n1\n8\n";

TEST(MeetingRuns, TwoFoldersWhoseReportsLeadToOneFileEachReplaceItWhole) {
  const Reference sword = referenceRun(swordInput), amulet = referenceRun(amuletInput);
  WorkFolder top(false);
  fs::create_directory("library");
  const std::string started = join({banner, classificationMenu});
  for (int pair = 0; pair < 30 && !::testing::Test::HasFailure(); ++pair) {
    SCOPED_TRACE("pair " + std::to_string(pair));
    for (const fs::path folder : {"A", "B"}) {
      fs::remove_all(folder);
      fs::create_directories(folder / "files");
      fs::create_symlink("../library/report.txt", folder / "The Item.txt");
    }
    // Both wait at their first prompt, past the checks at start, and then race to the end.
    StartedRun a(top.path() / "A"), b(top.path() / "B");
    ASSERT_TRUE(a.waitForOutput(started) && b.waitForOutput(started));
    a.send(swordInput);
    b.send(amuletInput);
    const ProcessResult first = a.finish(), second = b.finish();
    EXPECT_EQ(first.exitStatus, 0);
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(first.out, sword.out);
    EXPECT_EQ(second.exitStatus, 0);
    EXPECT_EQ(second.err, "");
    EXPECT_EQ(second.out, amulet.out);
    const std::string report = readFile("library/report.txt");
    EXPECT_TRUE(report == sword.report || report == amulet.report) << report;
    EXPECT_EQ(namesIn("library"), std::set<std::string>{"report.txt"});
  }
}

// How a work file is made one file with the report.
enum class Link { symbolic, hard };

void linkToReport(const std::string& workFile, Link link) {
  fs::remove(workFile);
  if (link == Link::symbolic) {
    fs::create_symlink("../The Item.txt", workFile);
  } else {
    fs::create_hard_link("The Item.txt", workFile);
  }
}

TEST(MeetingRuns, AWorkFileLinkedToTheReportStopsTheRunAndLeavesTheReportAlone) {
  const Reference sword = referenceRun(swordInput);
  ASSERT_TRUE(sword.out.ends_with(closingMessage));
  const std::string atLastPrompt = sword.out.substr(0, sword.out.size() - closingMessage.size());
  const std::string_view lastAnswer = "1\n";
  ASSERT_TRUE(swordInput.ends_with(lastAnswer));
  const std::string_view firstAnswers = swordInput.substr(0, swordInput.size() - lastAnswer.size());

  struct Case {
    Link link;
    bool earlierReport;
  };
  for (const Case setUp :
       {Case{Link::symbolic, false}, Case{Link::symbolic, true}, Case{Link::hard, true}}) {
    for (const bool duringTheRun : {false, true}) {
      for (const std::string_view workFile : std::span(writtenFiles).first(7)) {
        SCOPED_TRACE(std::string(workFile) + (setUp.link == Link::hard ? " hard" : " symbolic") +
                     (setUp.earlierReport ? " earlier report" : "") +
                     (duringTheRun ? " during" : " before"));
        WorkFolder folder;
        if (setUp.earlierReport) writeFile("The Item.txt", "earlier report\n");
        const std::string file(workFile);
        if (!duringTheRun) linkToReport(file, setUp.link);
        const std::string before = stateOf("The Item.txt");
        StartedRun run(folder.path());
        run.send(firstAnswers);
        if (duringTheRun) {
          ASSERT_TRUE(run.waitForOutput(atLastPrompt));
          linkToReport(file, setUp.link);
        }
        run.send(lastAnswer);
        const ProcessResult result = run.finish();
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err, oneFileMessage(workFile, "The Item.txt"));
        EXPECT_EQ(result.out, duringTheRun ? atLastPrompt : "");
        EXPECT_EQ(stateOf("The Item.txt"), before);
      }
    }
  }
}

}  // namespace
}  // namespace tessark
