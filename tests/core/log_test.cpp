// systemMsg's three destinations, caret-code stripping and the log's lifecycle.
#include "core/log.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "temp_dir.h"

namespace {

TEST(CaretCodes, EachCaretTakesTheNextCharacterWithIt) {
  for (auto c : {std::pair<const char*, const char*>{"^rERROR: ^wText", "ERROR: Text"}, {"^4^yTitle", "Title"},
                 {"^^x", "x"}, {"end^", "end"}, {"no codes", "no codes"}}) {
    EXPECT_EQ(tf::stripCaretCodes(c.first), c.second) << c.first;
  }
}

TEST(SystemMsg, ConsoleKeepsCodesLogAndOutputDoNotAndTheLogStartsEmpty) {
  tftest::ScopedWorkDir dir;
  dir.write("log.txt", "old run\n");
  tf::gameLog.openLog("log.txt");
  tf::gameLog.msg("first");
  EXPECT_EQ(dir.read("log.txt"), "first\n");  // flushed line by line
  tf::gameLog.clearLog();
  testing::internal::CaptureStdout();
  tf::systemMsg("^rERROR: ^wError opening the system file to save, Aborting.");
  tf::systemMsg("100% done, %s %d");
  tf::gameLog.closeLog();
  tf::systemMsg("after closing");  // reaches the console and the output only
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "ERROR: Error opening the system file to save, Aborting.\n100% done, %s %d\nafter closing\n");
  EXPECT_EQ(tf::console.getLine(2), "^rERROR: ^wError opening the system file to save, Aborting.");
  EXPECT_EQ(dir.read("log.txt"),
            "ERROR: Error opening the system file to save, Aborting.\n100% done, %s %d\nClosing log file \n");
}

}  // namespace
