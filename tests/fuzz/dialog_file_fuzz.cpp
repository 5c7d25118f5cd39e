// The dialog file on arbitrary text, read behind the shipped settings as
// start-up reads it. Every dialog the text names (and the toolkit's own) must
// be laid out without fault, hovered and pressed: its pictures are system
// images or none, and its text stops before the word that ends it.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "console/console.h"
#include "core/script_object.h"
#include "fuzz_folder.h"
#include "game/config_text.h"
#include "media/text.h"
#include "menus/dialog.h"
#include "menus/ui_model.h"

namespace {

// The toolkit's dialogs are numbered from 0; every probe looks at these too.
constexpr int kToolkitDialogs = 8;
// The most dialog numbers taken from one text, and the largest looked at.
constexpr std::size_t kMostNamed = 64;
constexpr long kLargestNamed = 1L << 20;

const std::string& settings() {
  static const std::string text = tffuzz::readFile(TF_SOURCE_DIR "/data/system/system.default.cfg");
  return text;
}

// The dialog numbers of the words that start "dialog<digits>", and a few more.
std::set<int> namedDialogs(const std::string& text) {
  std::set<int> dialogs{-1};
  for (int d = 0; d < kToolkitDialogs; ++d) dialogs.insert(d);
  std::size_t pos = 0;
  for (std::string_view word = tf::nextWord(text, pos); !word.empty() && dialogs.size() < kMostNamed;
       word = tf::nextWord(text, pos)) {
    if (word.substr(0, 6) != "dialog") continue;
    long d = 0;
    std::size_t i = 6;
    for (; i < word.size() && i < 13 && word[i] >= '0' && word[i] <= '9'; ++i) d = d * 10 + (word[i] - '0');
    if (i > 6 && d <= kLargestNamed) dialogs.insert(static_cast<int>(d));
  }
  return dialogs;
}

bool pictureOrNone(int image) { return image == -1 || tf::namesSystemImage(image); }

void layOut(int d) {
  const tf::DialogLayout layout = tf::layoutDialog(d);
  if (!pictureOrNone(layout.background)) __builtin_trap();
  for (const tf::DialogButtonLook& button : layout.buttons) {
    if (!pictureOrNone(button.image)) __builtin_trap();
  }
  if (layout.lines.empty()) __builtin_trap();
  for (std::size_t i = 1; i < layout.lines.size(); ++i) {
    if (layout.lines[i] == "end" || layout.lines[i] == "NULL") __builtin_trap();
  }
  for (const std::string& line : layout.lines) tf::getDisplayTextSize(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::console = tf::debugConsole();  // keep the echoed messages from piling up
  const std::string text(reinterpret_cast<const char*>(data), size);
  tf::scriptSys.clear();
  tf::scriptSys.readText(settings(), "system/system.cfg");
  tf::scriptSys.readText(text, "system/dialog.cfg");

  for (int d : namedDialogs(text)) {
    tf::enableDialog(d);
    for (int mark : {-1, 0, 1, tf::kPressedDialogLeft, tf::kPressedDialogRight}) {
      tf::gameUI.setHoverButton(mark);
      tf::gameUI.setPressedButton(mark);
      layOut(d);
      for (int k = 0; k < 2; ++k) tf::dialogButtonAction(d, k);
    }
    tf::disableDialog();
  }
  return 0;
}
