// Where the buttons of a labelled choice lie.
#include "media/choice.h"

#include "core/numbers.h"
#include "media/text.h"

namespace tf {
namespace {

// The two buttons after a label: their distance from the label's end, their
// lift above its line and their half size.
constexpr int kFirstButtonGap = 15;
constexpr int kSecondButtonGap = 55;
constexpr int kButtonLift = 3;
constexpr int kButtonHalfSize = 16;

}  // namespace

ChoiceButtons choiceButtonsAfter(int x, int y, const std::string& line) {
  const int width = truncToInt(getDisplayTextSize(line));
  return {x + width + kFirstButtonGap, x + width + kSecondButtonGap, y - kButtonLift, kButtonHalfSize};
}

}  // namespace tf
