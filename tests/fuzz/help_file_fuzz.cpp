// The help file reader on arbitrary text, read as a game's own help.cfg. Every
// topic must be laid out and shown without fault; no line may be longer than
// the window holds, and no topic or line after the first may be the word
// that ends its list; and the help read from a file must be the same whatever
// help was read before it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "fuzz_folder.h"
#include "media/text.h"
#include "menus/help.h"
#include "menus/help_layout.h"

namespace {

constexpr const char* kGame = "fuzz";
constexpr const char* kGameHelp = "games/fuzz/system/help.cfg";
// The longest line a topic keeps.
constexpr std::size_t kLongestLine = 59;

void prepareFolder() {
  const std::string toolkitHelp = tffuzz::readFile(TF_SOURCE_DIR "/data/system/help.cfg");
  tffuzz::writeFile("system/help.cfg", toolkitHelp);
}

bool endsList(const std::string& text) { return text == "end" || text == "NULL"; }

struct Topic {
  std::string title;
  std::vector<std::string> lines;
  bool operator==(const Topic& o) const { return title == o.title && lines == o.lines; }
};

// The help as read, checking what the help window relies on.
std::vector<Topic> readHelp() {
  const tf::help& help = tf::uiHelp;
  if (help.getMenuCount() < 1) __builtin_trap();
  std::vector<Topic> topics{Topic{help.getHelpTitle(), {}}};
  for (int t = 0; t < help.getMenuCount(); ++t) {
    Topic topic{help.menuGetMenuTitle(t), {}};
    if (t > 0 && endsList(topic.title)) __builtin_trap();
    if (help.getLineCount(t) < 1) __builtin_trap();
    for (int l = 0; l < help.getLineCount(t); ++l) {
      const std::string line = help.menuGetMenuLine(t, l);
      if (line.size() > kLongestLine || (l > 0 && endsList(line))) __builtin_trap();
      topic.lines.push_back(line);
    }
    topics.push_back(topic);
  }
  return topics;
}

// Opens the help window and steps through every topic as the arrow keys do,
// working out the header, the topic rows and the lines of each.
void showEveryTopic() {
  tf::enableHelp();
  const tf::help& help = tf::uiHelp;
  for (int shown = 0; shown < help.getMenuCount(); ++shown) {
    if (help.getHelp() != shown) __builtin_trap();
    tf::getDisplayTextSize(tf::helpHeader());
    for (int t = 0; t < help.getMenuCount(); ++t) tf::helpTopicRow(t, help.menuGetMenuTitle(t));
    for (int l = 0; l < help.getLineCount(shown); ++l) {
      float x, y;
      tf::helpLinePosition(l, x, y);
      tf::getDisplayTextSize(help.menuGetMenuLine(shown, l));
    }
    tf::helpNextTopic();
  }
  tf::disableHelp();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tffuzz::InFuzzFolder inFolder(prepareFolder);
  tf::console = tf::debugConsole();  // keep the echoed messages from piling up
  tffuzz::writeInput(kGameHelp, data, size);

  tf::initHelp(kGame);
  const std::vector<Topic> first = readHelp();
  showEveryTopic();

  tf::initHelp("default");
  tf::initHelp(kGame);
  if (readHelp() != first) __builtin_trap();
  return 0;
}
