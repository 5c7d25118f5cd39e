// systemMsg's three destinations, caret-code stripping and the log's lifecycle.
#include "core/log.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "messages.h"
#include "temp_dir.h"

namespace {

TEST(CaretCodes, EachCaretTakesTheNextCharacterWithIt) {
  EXPECT_EQ(tf::stripCaretCodes("^rERROR: ^wText"), "ERROR: Text");
  EXPECT_EQ(tf::stripCaretCodes("^4^yTitle"), "Title");
  EXPECT_EQ(tf::stripCaretCodes("^^x"), "x");
  EXPECT_EQ(tf::stripCaretCodes("end^"), "end");
  EXPECT_EQ(tf::stripCaretCodes("no codes"), "no codes");
  EXPECT_EQ(tf::stripCaretCodes(""), "");
}

TEST(SystemMsg, ConsoleKeepsCodesLogAndOutputDoNot) {
  tftest::ScopedWorkDir dir;
  tf::gameLog.openLog("log.txt");
  testing::internal::CaptureStdout();
  tf::systemMsg("^rERROR: ^wError opening the system file to save, Aborting.");
  tf::systemMsg("100% done, %s %d");
  std::string out = testing::internal::GetCapturedStdout();
  tf::gameLog.closeLog();

  EXPECT_EQ(tf::console.getLine(1), "^rERROR: ^wError opening the system file to save, Aborting.");
  EXPECT_EQ(out, "ERROR: Error opening the system file to save, Aborting.\n100% done, %s %d\n");
  EXPECT_EQ(dir.read("log.txt"),
            "ERROR: Error opening the system file to save, Aborting.\n100% done, %s %d\n"
            "Closing log file \n");
}

TEST(SystemMsg, MessagesOutsideTheLogsLifetimeReachOnlyConsoleAndOutput) {
  tftest::ScopedWorkDir dir;
  tf::gameLog.openLog("log.txt");
  tf::gameLog.closeLog();
  tftest::MessageLog messages;
  testing::internal::CaptureStdout();
  tf::systemMsg("after closing");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "after closing\n");
  EXPECT_TRUE(messages.contains("after closing"));
  EXPECT_EQ(dir.read("log.txt"), "Closing log file \n");
}

TEST(Log, ClearLogEmptiesTheFileAndKeepsWriting) {
  tftest::ScopedWorkDir dir;
  dir.write("log.txt", "old run\n");
  tf::gameLog.openLog("log.txt");
  tf::gameLog.msg("first");
  tf::gameLog.clearLog();
  tf::gameLog.msg("second");
  tf::gameLog.closeLog();
  EXPECT_EQ(dir.read("log.txt"), "second\nClosing log file \n");
}

TEST(Console, HistoryIsNewestFirstAndUnbounded) {
  tf::debugConsole c;
  for (int i = 0; i < 5000; ++i) c.echo("line " + std::to_string(i));
  EXPECT_EQ(c.getLineCount(), 5000);
  EXPECT_EQ(c.getLine(0), "line 4999");
  EXPECT_EQ(c.getLine(4999), "line 0");
  EXPECT_EQ(c.getLine(5000), "");
  c.setCurrentLine(4999);
  EXPECT_EQ(c.getCurrentLine(), 4999);
  c.setCurrentLine(5000);
  EXPECT_EQ(c.getCurrentLine(), 4999);
}

}  // namespace
