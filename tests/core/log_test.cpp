// The message channel: a message goes to the console's output with its
// colour codes and to the log without them, a console line to the console
// alone; and shutdown runs the release steps installed for it before it ends.
#include "core/log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/shutdown.h"
#include "temp_dir.h"

namespace {

class Log : public ::testing::Test {
 protected:
  void SetUp() override {
    tf::setConsoleOutput([this](const std::string& line) { console.push_back(line); });
    tf::gameLog.openLog("log.txt");
  }
  void TearDown() override {
    tf::gameLog.closeLog();
    tf::connectProgram();  // the console's own output again
  }
  tftest::ScopedWorkDir dir;
  std::vector<std::string> console;
};

TEST_F(Log, AMessageReachesConsoleAndLogAConsoleLineOnlyTheConsole) {
  tf::systemMsg("^rERROR: ^wNo map");
  tf::echoConsole("^yHello");
  tf::setConsoleOutput(nullptr);
  tf::systemMsg("Nobody listens");  // no console: the log still has it
  tf::gameLog.closeLog();
  EXPECT_EQ(console, (std::vector<std::string>{"^rERROR: ^wNo map", "^yHello"}));
  EXPECT_EQ(dir.read("log.txt"), "ERROR: No map\nNobody listens\nClosing log file \n");
}

TEST_F(Log, ShutdownRunsTheInstalledStepsThenSavesTheSettings) {
  tf::setShutdownSteps([] { std::fputs("steps ran\n", stderr); });
  EXPECT_EXIT(tf::quitEngine(), ::testing::ExitedWithCode(0), "steps ran");
  EXPECT_TRUE(dir.exists("system/system.cfg"));  // the settings were saved all the same
}

}  // namespace
