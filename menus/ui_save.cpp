// The menu file writer: the layout that the reader reads back, written in one
// step so that a failed save leaves the old file whole.
#include <algorithm>
#include <boost/filesystem.hpp>
#include <ostream>

#include "core/atomic_file.h"
#include "core/log.h"
#include "core/numbers.h"
#include "core/script_object.h"
#include "core/shutdown.h"
#include "media/images.h"
#include "media/notice.h"
#include "menus/ui_file.h"
#include "menus/ui_keys.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

using uikeys::elementKey;
using uikeys::imageKey;
using uikeys::menuKey;

std::string menuFileOf(const std::string& name) {
  const std::string toolkitFile = toolkitMenuFile(name);
  return toolkitFile.empty() ? "games/" + name + "/system/ui.cfg" : toolkitFile;
}

// A text value runs to the end of its line, so a line break inside one would
// end it early and turn the rest into entries of their own: breaks are written
// as spaces.
std::string asOneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

void number(std::ostream& out, const std::string& key, float value) {
  out << "f " << key << ' ' << formatFloat(value) << '\n';
}
void integer(std::ostream& out, const std::string& key, int value) { out << "f " << key << ' ' << value << '\n'; }
void text(std::ostream& out, const std::string& key, const std::string& value) {
  out << "s " << key << ' ' << asOneLine(value) << '\n';
}

void writeHeader(std::ostream& out) {
  out << "// This file was created by the Tessera Forge application.\n"
         "// Please do not change or edit anything in this file as it may\n"
         "// cause errors when the UI is trying to be loaded.\n"
         "\n"
         "// Menu IDs\n";
  // The ids are kept as the file last read had them (-1 where it had none).
  for (const char* id : uikeys::kMenuIds) integer(out, id, truncToInt(scriptUI.findLineF(id)));
}

void writeImageAnimations(std::ostream& out) {
  int images = std::min(gameUI.getUIImageCount(), static_cast<int>(uiImage.size()));
  for (int i = 0; i < images; ++i) {
    if (!uiImage[i].getAnimState()) continue;
    integer(out, imageKey(i, "anim"), 1);
    integer(out, imageKey(i, "frame"), uiImage[i].getFrameCount());
    integer(out, imageKey(i, "speed"), uiImage[i].getAnimSpeed());
  }
}

// The comment and key that close a list of n elements, and the empty line after it.
void endList(std::ostream& out, int m, const uikeys::ElementKeys& list, const std::string& comment, int n) {
  out << "// Menu " << m << comment << n << '\n';
  text(out, elementKey(m, list, n), list.endWord);
  out << '\n';
}

void writeButtons(std::ostream& out, int m) {
  const auto& list = uikeys::kButtons;
  int count = gameUI.menuGetButtonCount(m);
  for (int b = 0; b < count; ++b) {
    float x = 0, y = 0, w = 0, h = 0;
    int tex = 0, func = 0, func2 = 0;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, b);
    out << "// Menu " << m << " Button " << b << '\n';
    number(out, elementKey(m, list, b, "x"), x);
    number(out, elementKey(m, list, b, "y"), y);
    number(out, elementKey(m, list, b, "w"), w);
    number(out, elementKey(m, list, b, "h"), h);
    integer(out, elementKey(m, list, b, "tex"), tex);
    integer(out, elementKey(m, list, b, "func"), func);
    integer(out, elementKey(m, list, b, "func2"), func2);
  }
  endList(out, m, list, "Button ", count);
}

void writeTextboxes(std::ostream& out, int m) {
  const auto& list = uikeys::kTextboxes;
  int count = gameUI.menuGetTextboxCount(m);
  for (int t = 0; t < count; ++t) {
    float x = 0, y = 0, w = 0, h = 0;
    int textnum = 0;
    gameUI.uiGetTextbox(x, y, w, h, textnum, m, t);
    out << "// Menu " << m << " Textbox " << t << '\n';
    number(out, elementKey(m, list, t, "x"), x);
    number(out, elementKey(m, list, t, "y"), y);
    number(out, elementKey(m, list, t, "w"), w);
    number(out, elementKey(m, list, t, "h"), h);
    integer(out, elementKey(m, list, t, "textnum"), textnum);
    integer(out, elementKey(m, list, t, "linkedbutton"), gameUI.uiGetLinkedButton(t, m));
  }
  endList(out, m, list, "Textbox ", count);
}

void writeTextlines(std::ostream& out, int m) {
  const auto& list = uikeys::kTextlines;
  int count = gameUI.menuGetTextlineCount(m);
  for (int l = 0; l < count; ++l) {
    float x = 0, y = 0, r = 0, g = 0, b = 0;
    std::string line;
    gameUI.uiGetText(x, y, r, g, b, line, m, l);
    out << "// Menu " << m << " Textline " << l << '\n';
    number(out, elementKey(m, list, l, "x"), x);
    number(out, elementKey(m, list, l, "y"), y);
    number(out, elementKey(m, list, l, "r"), r);
    number(out, elementKey(m, list, l, "g"), g);
    number(out, elementKey(m, list, l, "b"), b);
    text(out, elementKey(m, list, l, "string"), line);
  }
  endList(out, m, list, " Textline ", count);
}

void writeMenu(std::ostream& out, int m) {
  out << "// ***\n// Menu " << m << "\n// ***\n\n// Menu Background\n";
  integer(out, menuKey(m, "background"), gameUI.getMenuBackgroundTex(m));
  out << '\n';
  writeButtons(out, m);
  writeTextboxes(out, m);
  writeTextlines(out, m);
  out << "// Script Strings\n";
  text(out, menuKey(m, "string0"), uikeys::kEndStrings);
  out << '\n';
}

void writeMenuFile(std::ostream& out) {
  writeHeader(out);
  writeImageAnimations(out);
  int menus = std::max(gameUI.getMenuCount(), 0);
  for (int m = 0; m < menus; ++m) writeMenu(out, m);
  out << "// Stop loading menu\n";
  out << "s " << menuKey(menus) << ' ' << uikeys::kEndMenus;
}

}  // namespace

void writeMenuText(std::ostream& out) { writeMenuFile(out); }

fileWrite prepareUIFile(const std::string& name) {
  systemMsg("");
  systemMsg("Beginning to save user interface...");
  systemMsg("Creating directory paths for the save data...");
  const std::string path = menuFileOf(name);
  boost::system::error_code ignored;
  if (!isToolkitMenuSet(name)) boost::filesystem::create_directories("games/" + name + "/ui", ignored);
  boost::filesystem::create_directories(boost::filesystem::path(path).parent_path(), ignored);
  systemMsg("Outputting UI data");
  return {path, writeMenuFile};
}

void saveUI(const std::string& name) {
  const fileWrite file = prepareUIFile(name);
  if (!writeFileAtomically(file.path, file.write)) {
    refuseWithNotice("Error opening: " + name + ". Aborting.");
    quitEngineOnError();
  }
  systemMsg("^wUI has been successfully saved!");
  systemMsg("");
  notice.setNotice("UI Saved", "The user interface for ^y" + name + "^w has been saved.");
}

}  // namespace tf
