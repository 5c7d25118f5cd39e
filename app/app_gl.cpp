// Start-up, the frame, reshape and idle, on freeglut and OpenGL.
#include "app/app.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cstdlib>
#include <ctime>

#include "app/debug_overlay.h"
#include "app/glut_platform.h"
#include "app/program.h"
#include "app/startup.h"
#include "console/console.h"
#include "core/camera.h"
#include "core/clock.h"
#include "core/log.h"
#include "core/script_object.h"
#include "core/shutdown.h"
#include "core/system.h"
#include "core/view.h"
#include "editor/editor.h"
#include "editor/recovery.h"
#include "editor/world_editor.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "input/input.h"
#include "input/screens.h"
#include "logic/evaluation.h"
#include "logic/game_render.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/openal_device.h"
#include "media/sound.h"
#include "media/splash.h"
#include "media/text.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/game_list.h"
#include "menus/help.h"
#include "menus/system_textboxes.h"
#include "menus/tooltip.h"
#include "menus/ui.h"

namespace tf {
namespace {

constexpr double kFieldOfView = 45.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 1000.0;

// The line shown over a game being play-tested from the editor.
constexpr const char* kPlaytestBanner = "^2Playtest Mode. Press ESCAPE to return to the editor.";
constexpr float kPlaytestBannerX = 10, kPlaytestBannerY = 20;

int elapsedGlutMs() { return glutGet(GLUT_ELAPSED_TIME); }

void openWindow(const WindowGeometry& g) {
  systemMsg("^wSetting glutInitDisplayMode to GLUT_DOUBLE | GLUT_RGBA | GLUT_DEPTH");
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA | GLUT_DEPTH);
  glutInitWindowSize(g.width, g.height);
  glutInitWindowPosition(g.x, g.y);
  std::string title = scriptSys.findLineS("progName").substr(0, 255);
  glutCreateWindow(title.c_str());
  // Closing the window ends the program the orderly way.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  glutCloseFunc(quitEngine);
  systemMsg("^wStoring window information");
  gameSys.SetSystem(g.x, g.y, g.width, g.height, title);
  systemMsg("^wSetting up the Window Viewport");
  glViewport(g.x, g.y, g.width, g.height);
}

void registerCallbacks() {
  systemMsg("^wSetting up openGL Display Function");
  glutDisplayFunc(display);
  glutReshapeFunc(changeSize);
  systemMsg("^wSetting up I/O");
  glutKeyboardFunc(keyboard);
  glutKeyboardUpFunc(keyboardUp);
  glutSpecialFunc(processSpecialKeys);
  glutSpecialUpFunc(specialKeysUp);
  glutMouseFunc(mouse);
  glutPassiveMotionFunc(mousePassive);
  glutMotionFunc(mouseDrag);
}

// Between frames the event loop sleeps, waking for input or for this timer,
// which is set for when the next frame is due. One timer is set at a time.
bool frameTimerSet = false;

void frameTimer(int) {
  frameTimerSet = false;
  idleFunc();
}

void setFrameTimer() {
  if (frameTimerSet) return;
  frameTimerSet = true;
  glutTimerFunc(static_cast<unsigned>(msUntilNextFrame()), frameTimer, 0);
}

// Edge scrolling after a frame of the map: the camera moves while the
// pointer rests at a window edge, faster the longer it keeps moving.
void scrollAtEdges() {
  if (!edgeScrollActive(gameSys.getGameState(), inLogicEditor(), world.getFreeLook(), gameSys.getDebugState())) {
    return;
  }
  gameRenderState.afterScroll(editorScroll(gameRenderState.scrollMultiplier));
}

void loadToolkitMenus() {
  initHelp("default");
  loadUI("default", false);
  if (gameSys.getGameState() == kStateSplash) playSystemSound(kSoundMelody, 0);
}

}  // namespace

void init() {
  connectProgram();
  setClockSource(elapsedGlutMs);
  gameLog.openLog("log.txt");
  gameLog.clearLog();
  reportBanner();
  scriptSys.readFile("system/system.cfg");
  scriptSys.readFile("system/dialog.cfg");

  WindowGeometry geometry = readWindowGeometry();
  openWindow(geometry);
  registerCallbacks();

  systemMsg("^rInitializing DeviL Image Library");
  installWindowPlatform();
  // Only now can the window leave for full screen, and only once its size is
  // stored can it come back from there.
  readFullScreen();
  readFrameCap();
  readDebugMode();
  gameSys.setInputState(kInputNormal);
  gameSys.setGameState(firstGameState());
  if (gameSys.getDebugState()) debugInit();

  systemMsg("");
  systemMsg("^g^2Tessera Forge User Interface Initializing...");
  systemMsg("");
  loadSysTextboxes();
  loadSysImages();
  openSoundDevice();
  loadSystemSounds();
  readSoundSettings();
  changeSize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));

  if (!autoLoadGame()) loadToolkitMenus();
  uiInfo.readFile("system/uiinfo.cfg");
  systemMsg("");
  systemMsg("^yBuilding file structure for Tessera Forge Directory");
  updateGameList();
  gameUI.setCurrentTT(-1, -1, 0);
  echoWelcome();

  glutWarpPointer(glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2);
  gameSys.setStartingSystemTime(elapsedMs());
  if (scriptSys.findLineF("firstTime") <= 0) showToolkitWelcome();
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  setFrameTimer();
  glutMainLoop();
}

void display() {
  if (!renderScene()) {
    setFrameTimer();
    return;
  }
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  UpdateCamera();
  updateAnimation();
  if (worldEditor.getEndTest() == 1) {
    returnToEditor();
    worldEditor.setEndTest(0);
  }
  recoveryTick();

  const int state = gameSys.getGameState();
  const bool consoleOrHelp = console.getConsoleState() || uiHelp.getHelpState();
  FramePlan plan = planFrame(state, world.getGameLoaded(),
                             gameUI.getCurrentMenu() == gameUI.getEditorMenu(), consoleOrHelp);
  // The map is drawn with the camera where it was; edge scrolling moves it
  // for the frames after.
  if (plan.drawGame && gameRender(worldEditorMapView())) scrollAtEdges();
  // The logic runs in every state and decides itself whether it acts.
  updateLogic(false);
  if (plan.runKeyLogic) updateHeldKeyLogic();
  if (plan.drawGameBox) renderGameBox();
  UpdateCamera();
  if (plan.drawMenus) renderMenus();
  if (plan.drawDialog) dialogRender();
  if (plan.drawSplash) {
    gameUI.setCurrentTT(-1, -1, 0);  // no tooltip over the splash
    splashRender();
  }
  if (plan.drawNotice) noticeRender();
  helpRender();
  if (gameSys.getDebugState()) {
    debugRender();
    // The frame rate is measured only while the overlay shows it.
    framesPerSecond();
  }
  if (plan.drawPlaytestBanner) displayTextString(kPlaytestBannerX, kPlaytestBannerY, kPlaytestBanner);
  if (console.getConsoleState()) consoleRender();
  if (plan.drawTooltip) {
    toolTipRender();
    currentScreens().draw(ScreenLayer::Panels, false);
  }
  renderFileBrowser();
  renderVolume();
  capturePendingScreenshot();
  glutSwapBuffers();
  setFrameTimer();
}

void changeSize(int w, int h) {
  if (h == 0) h = 1;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, w, h);
  gluPerspective(kFieldOfView, static_cast<double>(w) / h, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
}

void idleFunc() { glutPostRedisplay(); }

}  // namespace tf
