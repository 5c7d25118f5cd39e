// The data tree and fixture of the game lifecycle tests.
#include "game_tree.h"

#include "console/console.h"
#include "core/camera.h"
#include "core/numbers.h"
#include "core/run_state.h"
#include "core/script_object.h"
#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "game/logic_file.h"
#include "game/map_file.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/splash.h"
#include "menus/help.h"
#include "menus/ui.h"
#include "wav_file.h"

namespace tftest {

void LifecyclePlatform::showLoadingScreen(const std::string& message, float percent) {
  RecordingPlatform::showLoadingScreen(message, percent);
  frames.push_back({message, tf::world.getGameLoaded()});
}

namespace {

// Marks of the toolkit's files, as line 0 of their menus and their help titles.
constexpr const char* kToolkitMarker = "toolkit";
constexpr const char* kIngameMarker = "ingame";
constexpr const char* kToolkitHelpTitle = "Toolkit Help";
// The toolkit's menus start on menu 1 of 3; the editor main menu is 2.
constexpr int kToolkitIntroMenu = 1;
// A written game's menus: 4, intro 0, editor main menu 2, editor menu 3, in-game menu 1.
constexpr int kGameEditorMainMenu = 2;
constexpr int kGameEditorMenu = 3;
constexpr int kGameIngameMenu = 1;

// A menu file of `count` menus; line 0 of menu m reads "<marker> menu <m>".
std::string menuFileText(const std::string& marker, int count, int intro, int editorMain, int editor, int ingame) {
  std::string text = "f intromenu " + std::to_string(intro) + "\nf editormainmenu " + std::to_string(editorMain) +
                     "\nf editormenu " + std::to_string(editor) + "\nf ingamemenu " + std::to_string(ingame) + "\n";
  for (int m = 0; m < count; ++m) {
    const std::string menu = "menu" + std::to_string(m);
    text += "f " + menu + "background -1\ns " + menu + "button0 endButtonLoad\ns " + menu +
            "textbox0 endTextboxLoad\n";
    text += "f " + menu + "text0x 10\nf " + menu + "text0y 20\nf " + menu + "text0r 1\nf " + menu + "text0g 1\nf " +
            menu + "text0b 1\ns " + menu + "text0string " + marker + " menu " + std::to_string(m) + "\n";
    text += "s " + menu + "text1 endTextLoad\n";
  }
  return text + "s menu" + std::to_string(count) + " endMenuLoad\n";
}

}  // namespace

std::string helpFileText(const std::string& title) {
  return "s helptitle " + title + "\ns help0title Topic\ns help0line0 A line.\ns help0line1 end\ns help1title end\n";
}

tf::gameWorld sampleGame() {
  tf::gameWorld game;
  game.allocateMaps(2);
  game.worldSetMap(4, 3, "Meadow", 0);
  game.worldSetTile(201, 1, 2, 0);
  game.worldSetTile(3, 3, 0, 0);
  game.worldSetObject(0.6f, 0.3f, 0.1f, 0.2f, 200, 1, 0, 0);
  game.worldSetObjectName("Hero", 0, 0);
  game.worldSetObject(0.9f, 0.6f, 0.15f, 0.15f, 2, 0, 1, 0);
  game.worldSetObjectName("Rock", 1, 0);
  game.worldSetObjectObstructionState(false, 1, 0);
  game.mapGlobalAddSentence(0);
  game.mapGlobalChangeSentence(0, 0, tf::kSlotAction, 748);
  game.mapLocalAddSentence(0, 0);
  game.mapLocalChangeSentence(0, 0, 0, tf::kSlotOpener, 111);
  game.worldSetMap(2, 2, "Cave", 1);
  game.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, 0, 1);
  game.setPhrase(0, "Hello");
  game.setPhrase(5, "Bye now");
  return game;
}

void copyShippedGame(const ScopedWorkDir& dir, const std::string& name) {
  const std::string data = std::string(TF_SOURCE_DIR) + "/data/";
  for (const char* folder : {"system", "map", "ui"}) dir.copyIn(data + folder, folder);
  dir.copyIn(data + "games/" + name, "games/" + name);
}

void resetLifecycleGlobals() {
  tf::world = tf::gameWorld();
  tf::worldBackup = tf::gameWorld();
  tf::gameUI = tf::UI();
  tf::uiScriptString = tf::uiString();
  tf::uiHelp.clearData();
  tf::gameImg.clear();
  tf::uiImage.clear();
  tf::gameSounds.clear();
  tf::gameSys = tf::System();
  tf::splash = tf::uiSplash();
  tf::worldEditor = tf::editor();
  tf::editHistoryLog.clear();
  tf::camera = tf::Camera();
  tf::notice = tf::uiNotice();
  for (tf::scriptObject* table : {&tf::scriptUI, &tf::scriptMap, &tf::scriptLogic, &tf::scriptHelp}) table->clear();
  tf::resetRunState();
}

std::string shownNotice() {
  std::string title, message;
  int shown = 0;
  tf::notice.getNotice(title, message, shown);
  return shown == 1 ? title + " | " + message : "(none)";
}

std::string editorState() {
  const tf::editor& e = tf::worldEditor;
  auto pair = [](void (tf::editor::*get)(int&, int&) const, const tf::editor& ed) {
    int x = 0, y = 0;
    (ed.*get)(x, y);
    return std::to_string(x) + "," + std::to_string(y);
  };
  std::string layers;
  for (int l = 0; l < tf::kRenderLayerCount; ++l) layers += e.getRenderLayer(l) ? '1' : '0';
  return "mode " + std::to_string(e.getEditorMode()) + " tiles " + pair(&tf::editor::getCurrentTile, e) + " " +
         pair(&tf::editor::getStartingTile, e) + " " + pair(&tf::editor::getEndingTile, e) + " object " +
         std::to_string(e.getCurrentObject()) + " list " + std::to_string(e.getObjectListAmount()) + ":" +
         std::to_string(e.getObjectList(0)) + " anim " + std::to_string(e.getCurrentAnimImage()) + " ui " +
         std::to_string(e.getCurrentButton()) + "," + std::to_string(e.getCurrentTextbox()) + "," +
         std::to_string(e.getCurrentTextline()) + " help " + std::to_string(e.getHelpMenu()) + " tip " +
         std::to_string(e.getCurrentTip()) + " layers " + layers;
}

void dirtyEditor() {
  tf::editor& e = tf::worldEditor;
  e.setEditorMode(tf::kModeFog);
  e.setCurrentTile(3, 2);
  e.setCurrentObject(1);
  e.setObjectList(0, 1);
  e.setObjectListAmount(1);
  e.setCurrentAnimImage(5);
  e.setCurrentButton(2);
  e.setCurrentTextbox(3);
  e.setCurrentTextline(4);
  e.setHelpMenu(2);
  e.setCurrentTip(7);
  e.setRenderLayer(0, false);
  e.setRenderLayer(7, false);
}

std::string cameraAt() {
  float x, y, z;
  tf::camera.GetPos(x, y, z);
  return tf::formatFloat(x) + " " + tf::formatFloat(y) + " " + tf::formatFloat(z);
}

std::string joined(std::initializer_list<long long> values) {
  std::string text;
  for (long long v : values) text += (text.empty() ? "" : " ") + std::to_string(v);
  return text;
}

void GameTree::SetUp() {
  resetLifecycleGlobals();
  tf::setAudioDevice(&audio);
  tf::loadSystemSounds();
  tf::gameSys.setSoundState(true);
  writeToolkit();
}

void GameTree::TearDown() {
  tf::freeGameSounds(static_cast<int>(tf::gameSounds.size()));
  tf::freeSystemSounds();
  resetLifecycleGlobals();
}

void GameTree::writeToolkit() {
  dir.write("system/ui.cfg", menuFileText(kToolkitMarker, 3, kToolkitIntroMenu, 2, 0, 0));
  dir.write("system/ingameui.cfg", menuFileText(kIngameMarker, 2, 0, 0, 0, 1));
  dir.write("system/help.cfg", helpFileText(kToolkitHelpTitle));
  dir.write("map/grass.png", "");
  dir.write("ui/button.png", "");
}

void GameTree::writeGame(const std::string& name, const tf::gameWorld& game, const std::string& mapFileExtra) {
  const std::string folder = "games/" + name + "/";
  dir.write(folder + "system/map.cfg", tf::mapFileText(game, {}).str() + mapFileExtra);
  dir.write(folder + "system/logic.cfg", tf::logicFileText(game).str());
  dir.write(folder + "system/ui.cfg", menuFileText(name, 4, 0, kGameEditorMainMenu, kGameEditorMenu, kGameIngameMenu));
  dir.write(folder + "system/help.cfg", helpFileText(name + " Help"));
  dir.write(folder + "sound/beep.wav", "");  // makes the folder the tone is written into
  writeToneWav(dir.path() + "/" + folder + "sound/beep.wav", 0.01);
  dir.write(folder + "map/tree.png", "");
  dir.write(folder + "ui/frame.png", "");
}

std::string GameTree::shownMenuText() const {
  float x, y, r, g, b;
  std::string text;
  if (tf::gameUI.menuGetTextlineCount(tf::gameUI.getCurrentMenu()) < 1) return "";
  tf::gameUI.uiGetText(x, y, r, g, b, text, tf::gameUI.getCurrentMenu(), 0);
  return text;
}

}  // namespace tftest
