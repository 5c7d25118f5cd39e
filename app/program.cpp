// The connections between the program's parts.
#include "app/program.h"

#include <string>

#include "console/console.h"
#include "core/log.h"
#include "core/shutdown.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/recovery.h"
#include "editor/world_editor.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "logic/play_screen.h"
#include "media/images.h"
#include "media/sound.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"

namespace tf {
namespace {

// Before the settings are saved: one of the toolkit's own menu sets open for
// editing is left, so that the toolkit's images and menus are restored before
// they are freed; then images, the log and the sound device go.
void releaseProgram() {
  writeRecoveryCopy();
  if (checkGameName(world.getGameName())) leaveGame();
  freeImageTables();
  gameLog.closeLog();
  freeSystemSounds();
}

void connectButtons() {
  setButtonAction(kFuncLoadGame, loadNamedGame);
  setButtonAction(kFuncLeaveGame, [](int) { leaveGameOrQuit(); });
  setButtonAction(kFuncEditGame, editNamedGame);
  setButtonAction(kFuncLeaveEditor, [](int) { leaveGameEditor(); });
  setButtonAction(kFuncEditWorld, [](int) { editGame(); });
  setButtonAction(kFuncEditorMainMenu, [](int) { editMenu(); });
  setButtonAction(kFuncPause, [](int) { loadIngameMenu(); });
  setButtonAction(kFuncResume, [](int) { leaveIngameMenu(); });
  setButtonAction(kFuncCreateGame, createNamedGame);
  setButtonAction(kFuncStartGame, [](int) { world.enterGame(); });
  setButtonAction(kFuncMenuEditor, [](int) { loadUIEditor(); });
  setButtonAction(kFuncDeleteMap, [](int) { deleteCurrentMap(); });
  setButtonAction(kFuncReenterGame, [](int) { world.reenterGame(); });
  setButtonAction(kFuncWelcome, [](int) { showToolkitWelcome(); });
  setButtonAction(kFuncRecovery, answerRecovery);
}

}  // namespace

void connectProgram() {
  setConsoleOutput([](const std::string& line) { console.echo(line); });
  setShutdownSteps(releaseProgram);
  setEditorLifecycle(editorFollowLifecycle);
  setPlaytestEnd([] { worldEditor.setEndTest(1); });
  connectButtons();
  setDialogChoice(chooseLeaveDialog);
}

}  // namespace tf
