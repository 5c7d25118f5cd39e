// Help data and the help file reader.
#include "menus/help.h"

#include "core/log.h"
#include "core/platform.h"
#include "core/script_object.h"
#include "core/shutdown.h"
#include "core/system.h"
#include "media/sound.h"

namespace tf {

help uiHelp;

namespace {
constexpr std::size_t kLongLine = 59;
constexpr std::size_t kCutLine = 50;
constexpr const char* kToolkitHelp = "system/help.cfg";

bool endsList(const std::string& value) { return value == "end" || value == "NULL"; }
}  // namespace

void helpMenu::setMenuLine(int l, const std::string& line) {
  if (l < 0) return;
  if (l >= lineCount) {
    menuText.resize(l + 1);
    lineCount = l + 1;
  }
  menuText[l] = line.size() > kLongLine ? line.substr(0, kCutLine) : line;
}

std::string helpMenu::getMenuLine(int l) const {
  if (l < 0 || l >= lineCount) return "NULL";
  return menuText[l];
}

void help::growTo(int t) {
  if (t >= menuCount) {
    menu.resize(t + 1);
    menuCount = t + 1;
  }
}

void help::menuSetMenuTitle(int t, const std::string& text) {
  if (t < 0) return;
  growTo(t);
  menu[t].setMenuTitle(text);
}

void help::menuSetMenuLine(int t, int l, const std::string& line) {
  if (t < 0) return;
  growTo(t);
  menu[t].setMenuLine(l, line);
}

std::string help::menuGetMenuTitle(int t) const {
  if (t < 0 || t >= menuCount) return "NULL";
  return menu[t].getMenuTitle();
}

std::string help::menuGetMenuLine(int t, int l) const {
  if (t < 0 || t >= menuCount) return "NULL";
  return menu[t].getMenuLine(l);
}

int help::getLineCount(int t) const {
  if (t < 0 || t >= menuCount) return 0;
  return menu[t].getLineCount();
}

void help::clearData() {
  menu.clear();
  currentHelpMenu = 0;
  helpState = false;
  menuCount = 0;
  title.clear();
}

namespace {

bool readHelpFile(const std::string& name) {
  if (name == "default") {
    if (!scriptHelp.readFile(kToolkitHelp)) {
      systemMsg("Could not load any Help file. Create one and try again.");
      return false;
    }
    systemMsg("Tessera Forge help file loaded successfully.");
    return true;
  }
  if (scriptHelp.readFile("games/" + name + "/system/help.cfg")) {
    systemMsg("^y" + name + "/system/help.cfg^w was loaded successfully.");
    return true;
  }
  scriptHelp.clear();
  if (!scriptHelp.readFile(kToolkitHelp)) {
    systemMsg("Could not load any Help file. Create one and try again.");
    return false;
  }
  systemMsg("Attempted to load: ^y" + name + "/system/help.cfg^w, but it failed");
  systemMsg("Loading Tessera Forge help instead.");
  return true;
}

void readTopics() {
  uiHelp.setHelpTitle(scriptHelp.findLineS("helptitle"));
  for (int t = 0;; ++t) {
    std::string topic = "help" + std::to_string(t);
    uiHelp.menuSetMenuTitle(t, scriptHelp.findLineS(topic + "title"));
    for (int l = 0;; ++l) {
      uiHelp.menuSetMenuLine(t, l, scriptHelp.findLineS(topic + "line" + std::to_string(l)));
      if (endsList(scriptHelp.findLineS(topic + "line" + std::to_string(l + 1)))) break;
    }
    if (endsList(scriptHelp.findLineS("help" + std::to_string(t + 1) + "title"))) break;
  }
}

}  // namespace

void initHelp(const std::string& name) {
  scriptHelp.clear();
  uiHelp.clearData();
  if (!readHelpFile(name)) {
    quitEngineOnError();
  }
  readTopics();
  scriptHelp.clear();
  uiHelp.setHelp(0);
  uiHelp.setHelpState(false);
}

void enableHelp() {
  uiHelp.setHelpState(true);
  gameSys.setInputState(kInputHelp);
  platform().ignoreKeyRepeat(false);
}

void disableHelp() {
  uiHelp.setHelpState(false);
  gameSys.setInputState(kInputNormal);
}

bool helpShown() { return uiHelp.getHelpState() && gameSys.getInputState() == kInputHelp; }

void helpPreviousTopic() {
  if (uiHelp.getHelp() > 0) uiHelp.setHelp(uiHelp.getHelp() - 1);
}

void helpNextTopic() {
  if (uiHelp.getHelp() + 1 < uiHelp.getMenuCount()) uiHelp.setHelp(uiHelp.getHelp() + 1);
}

bool helpTopicPick(const PickEvent& e) {
  if (e.code != kPickHelpTopic || !e.leftPress()) return false;
  if (e.blue < uiHelp.getMenuCount()) {
    playSystemSound(kSoundSelect, 0);
    uiHelp.setHelp(e.blue);
  }
  return true;
}

bool helpButtonPick(const PickEvent& e) {
  switch (e.code) {
    case kPickHelpClose:
      if (!e.hover) {
        playSystemSound(kSoundSelect, 0);
        disableHelp();
      }
      return true;
    case kPickHelpOpen:
      if (e.leftPress()) enableHelp();
      return true;
    default:
      return false;
  }
}

}  // namespace tf
