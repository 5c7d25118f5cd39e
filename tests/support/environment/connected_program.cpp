// Every test binary runs with the program's parts connected as start-up
// connects them, and every test starts with the modules' run state (timers,
// throttles, click times, anchors, debounce) forgotten.
#include <gtest/gtest.h>

#include "app/program.h"
#include "core/run_state.h"

namespace {

class ConnectedProgram : public ::testing::Environment {
 public:
  void SetUp() override { tf::connectProgram(); }
};

class FreshRunState : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override { tf::resetRunState(); }
};

const bool installed = [] {
  ::testing::AddGlobalTestEnvironment(new ConnectedProgram);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshRunState);
  return true;
}();

}  // namespace
