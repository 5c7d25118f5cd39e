// The console's commands: a command word (matched exactly, in the table's
// order) and the rest of the line as its argument.
#include <string>

#include "console/console.h"
#include "core/log.h"
#include "core/numbers.h"
#include "core/shutdown.h"
#include "core/system.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "media/notice.h"
#include "menus/help.h"

namespace tf {
namespace {

const char* const kCommandList[] = {
    "^yWARNING: ^wImproper use may crash Tessera Forge!",
    "^w'^ySave^w' - Saves current system settings.",
    "^w'^yQuit^w' - Terminates the program",
    "^w'^yHelp^w' - Displays a list of Help Topics",
    "^w'^yFullscreen on^w' '^yFullscreen off^w' - Changes between Window/Full Screen.",
    "^w'^yCredits^w' - Displays a list of credits",
    "^w'^ydebug on^w' '^ydebug off^w' - Turns on and off the debug mode",
    "^w'^yloadgame NAME^w' where NAME is the title of the game",
    "^w'^yloadmap #^w' where # is a currently loaded map for the game world.",
    "^w'^yloadhelp^w' '^ygamename^w' Loads the help file for the specified game",
    "^w'^yeditui^w' mainui/ingameui - Loads and edits the Main or Ingame UI",
    "^w'^yquituiedit^w' - Stops editing the current UI and returns to TF Main Menu",
    "^w'^ylog (message)^w' - Outputs a string to the log file: ^y/log.txt^w.",
};

const char* const kCredits[] = {
    "^wCreated, designed and programmed by the Tessera Forge team",
    "^wArt by the Tessera Forge artists",
    "^wSound effects provided by the Tessera Forge sound library",
    "^wTechnical advice from the Tessera Forge reviewers",
};

void echoHeading(debugConsole& c, const std::string& heading) {
  c.echo("");
  c.echo(heading);
  c.echo("");
}

void help(debugConsole& c, const std::string&) {
  echoHeading(c, "^w^3Help");
  c.echo("^wType '^ycommands^w' for a list of commands");
}

void commands(debugConsole& c, const std::string&) {
  echoHeading(c, "^3^wCommands");
  for (const char* line : kCommandList) c.echo(line);
}

void save(debugConsole&, const std::string&) { saveSystem(); }

void credits(debugConsole& c, const std::string&) {
  echoHeading(c, "^3Credits");
  for (const char* line : kCredits) c.echo(line);
}

void quit(debugConsole&, const std::string&) { quitEngine(); }

void fullscreen(debugConsole&, const std::string& argument) {
  if (argument == "off" || argument == "Off") setFullScreen(false, false);
  if (argument == "on" || argument == "On") setFullScreen(true, false);
}

void debug(debugConsole& c, const std::string& argument) {
  if (argument == "on" || argument == "On") {
    debugInit();
    gameSys.setDebugState(true, false);
  } else if (argument == "off" || argument == "Off") {
    gameSys.setDebugState(false, true);
    c.echo("^wDebug mode ^yoff");
  }
}

void loadgame(debugConsole& c, const std::string& argument) {
  if (gameSys.getGameState() == kStateWorldEditor) {
    refuseWithNotice("^rERROR:^w Cannot load game, Editor is active", "^yERROR", "Cannot load game. Editor is active");
    return;
  }
  // The loader refuses, with its message and notice, every name that is not
  // one folder inside games/.
  loadGame(argument);
  c.disableConsole();
}

void loadmap(debugConsole& c, const std::string& argument) {
  if (!world.getGameLoaded()) {
    refuseWithNotice("There is no game loaded, unable to change map.");
    return;
  }
  const int m = parseIntOrZero(argument);
  if (m < 0 || m >= world.getMapCount()) {
    systemMsg("^rERROR: ^wAttempted to load an unloaded map");
    return;
  }
  changeMap(m);
  c.disableConsole();
}

// The help file is read from games/<name>/, so the name must be one folder
// there, as every game name must.
void loadhelp(debugConsole&, const std::string& argument) {
  if (argument.empty()) {
    refuseWithNotice("^rERROR:^w Cannot load help, no game name has been entered.", "^yERROR",
                     "Cannot load help, no game name has been entered.");
    return;
  }
  if (!isSafeGameName(argument)) {
    const std::string shown = shownGameName(argument);
    refuseWithNotice("^rERROR:^w Cannot load help, the name: ^y" + shown + "^w cannot be a folder name", "^yERROR",
                     "Cannot load help, the name: ^y" + shown + "^w cannot be a folder name");
    return;
  }
  initHelp(argument);
}

void editui(debugConsole& c, const std::string& argument) {
  if (gameSys.getGameState() != kStateMenus) {
    notice.setNotice("Edit UI", "You must be in the Main Menu to edit a UI");
    systemMsg("^rERROR: ^wYou must be in the Main Menu to edit a specific UI");
    return;
  }
  if (!checkGameName(argument)) {
    systemMsg("^rERROR:^w You must enter editui mainui ^yor^w editui ingameui!");
    return;
  }
  c.disableConsole();
  loadPredefinedUI(argument);
}

void quituiedit(debugConsole&, const std::string&) {
  if (checkGameName(world.getGameName())) leaveGame();
}

void logLine(debugConsole&, const std::string& argument) { systemMsg(argument); }

void echoLine(debugConsole& c, const std::string& argument) { c.echo(argument); }

struct Command {
  const char* names[4];
  void (*run)(debugConsole& c, const std::string& argument);
};

const Command kCommands[] = {
    {{"Help", "help"}, help},
    {{"Commands", "commands"}, commands},
    {{"Save", "save"}, save},
    {{"Credits", "credits"}, credits},
    {{"Quit", "quit", "exit", "Exit"}, quit},
    {{"Fullscreen", "fullscreen"}, fullscreen},
    {{"debug", "Debug"}, debug},
    {{"loadgame", "Loadgame"}, loadgame},
    {{"loadmap", "Loadmap"}, loadmap},
    {{"loadhelp", "Loadhelp"}, loadhelp},
    {{"editui", "Editui"}, editui},
    {{"quituiedit", "Quituiedit"}, quituiedit},
    {{"log", "Log"}, logLine},
    {{"echo", "Echo"}, echoLine},
};

const Command* findCommand(const std::string& word) {
  for (const Command& command : kCommands) {
    for (const char* name : command.names) {
      if (name && word == name) return &command;
    }
  }
  return nullptr;
}

}  // namespace

void debugInit() {
  console.echo("");
  console.echo("^yDebug mode is ^yEnabled");
  console.echo("^wTo ^ydisable ^wdebug mode, type '^ydebug off^w' into this console.");
  console.echo("^wYou may also press ^yF2^w to toggle debug mode at any time.");
  console.echo("");
}

void debugConsole::inputConsole(const std::string& line) {
  echo("^wYou have entered: ^y" + line);
  echo("");
  const std::size_t space = line.find(' ');
  const std::string word = line.substr(0, space);
  const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
  if (const Command* command = findCommand(word)) {
    command->run(*this, argument);
  } else {
    echo("^yWARNING: ^wThat command wasn't found. Please try again.");
  }
  echo("");
  commandLine.clear();
}

}  // namespace tf
