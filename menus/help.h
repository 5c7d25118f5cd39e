// The help pages: topics with their lines, read from the toolkit's help file or
// a game's own, and whether the help window is open.
#pragma once

#include <string>
#include <vector>

#include "core/screen.h"

namespace tf {

class helpMenu {
 public:
  void setMenuTitle(const std::string& text) { title = text; }
  std::string getMenuTitle() const { return title; }
  // Grows the topic to hold line `l`; a line of 60 characters or more is cut to 50.
  void setMenuLine(int l, const std::string& line);
  // Line `l`, or "NULL" beyond the topic's lines.
  std::string getMenuLine(int l) const;
  int getLineCount() const { return lineCount; }

 private:
  std::string title;
  std::vector<std::string> menuText;
  int lineCount = 0;
};

class help {
 public:
  void setHelpState(bool open) { helpState = open; }
  bool getHelpState() const { return helpState; }
  void setHelp(int topic) { currentHelpMenu = topic; }
  int getHelp() const { return currentHelpMenu; }
  void menuSetMenuTitle(int t, const std::string& title);
  void menuSetMenuLine(int t, int l, const std::string& line);
  std::string menuGetMenuTitle(int t) const;
  std::string menuGetMenuLine(int t, int l) const;
  int getMenuCount() const { return menuCount; }
  int getLineCount(int t) const;
  void setHelpTitle(const std::string& text) { title = text; }
  std::string getHelpTitle() const { return title; }
  void clearData();

 private:
  void growTo(int t);

  std::vector<helpMenu> menu;
  int currentHelpMenu = 0;
  bool helpState = false;
  int menuCount = 0;
  std::string title;
};

extern help uiHelp;

// Loads the help of "default" (the toolkit) or of a game.
void initHelp(const std::string& name);
// Opens and closes the help window.
void enableHelp();
void disableHelp();
// True while the help window is shown: open, with the input in help.
bool helpShown();
// The arrow keys in the help window: the previous or the next topic, when
// there is one.
void helpPreviousTopic();
void helpNextTopic();

// The help window's colour codes: a topic title on a left press shows the
// topic (when there is one), the close icon closes help outside hover passes,
// the help icons open it on a left press. True when the code is one of them.
bool helpTopicPick(const PickEvent& e);
bool helpButtonPick(const PickEvent& e);

// Draws the help window while it is shown (help_gl.cpp), in normal and pick
// passes.
void helpRender();

}  // namespace tf
