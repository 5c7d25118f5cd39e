// The welcome window as a screen: its close code.
#include "editor/welcome_window.h"

namespace tf {
namespace {

class WelcomeWindow : public Screen {
 public:
  std::vector<PickList> picks() const override { return {pickList(kWelcomePicks)}; }
};

}  // namespace

Screen& welcomeWindow() {
  static WelcomeWindow screen;
  return screen;
}

}  // namespace tf
