// Image registries: loading through the platform's picture loader, freeing,
// and the animation step.
#include "media/images.h"

#include <climits>
#include <cstdio>

#include "core/clock.h"
#include "core/log.h"
#include "core/platform.h"
#include "core/system.h"
#include "media/folder_numbering.h"
#include "media/splash.h"

namespace tf {

namespace {
constexpr int kDefaultAnimFrame = 1;
}  // namespace

void img::startAnimation(int frames, int speedMs) {
  animState = true;
  frameCount = frames < kMinAnimFrame || frames > kMaxAnimFrame ? kDefaultAnimFrame : frames;
  animSpeed = speedMs < kMinAnimSpeed || speedMs > kMaxAnimSpeed ? kMaxAnimSpeed : speedMs;
}

const char* const kSystemImageNames[kSystemImageCount] = {
    "on", "off", "plus", "minus", "gameeditorbackground", "dialogbackground", "ok", "cancel",
    "load", "consolebackground", "quit", "shader", "font", "notice", "none", "save", "anim",
    "screen", "debug", "smallquit", "blur", "console", "newmap", "arrowup", "arrowdown",
    "editmap", "help", "iconquit", "iconsave", "iconhelp", "iconanim", "iconmapsize",
    "iconnewmap", "icondeletemap", "iconfog", "icongloballogic", "iconaddobject",
    "iconcopyobject", "icondeleteobject", "iconlocallogic", "arrowleft", "arrowright", "line",
    "logo", "open", "texted", "rpg", "platform", "test", "delsen", "copysen"};

std::vector<img> sysImage(kSystemImageCount);
std::vector<img> uiImage;
std::vector<img> gameImg;

namespace {

bool fileOpens(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

void freeTable(std::vector<img>& table) {
  for (img& image : table) {
    if (image.GetTex() > 0) platform().freeTexture(static_cast<unsigned>(image.GetTex()));
  }
  table.clear();
}

void advance(std::vector<img>& table, int now) {
  for (img& image : table) {
    if (!image.getAnimState()) continue;
    if (now - image.lastAdvance <= image.getAnimSpeed()) continue;
    image.lastAdvance = now;
    int next = image.getCurrentFrame() + 1;
    image.setCurrentFrame(next > image.getFrameCount() ? 0 : next);
  }
}

// Loads every numbered entry of `folder` with `load`, at the next index.
template <typename Load>
int loadFolder(const std::string& folder, std::vector<img>& table, int count, Load load, int limit) {
  for (const std::string& entry : numberFolder(folder)) {
    if (count >= limit) break;
    if (static_cast<int>(table.size()) <= count) table.resize(count + 1);
    if (load(folder + "/" + entry, count)) ++count;
  }
  return count;
}

void findSplashImages(const std::string& name, int& count) {
  splash.setSplash(0);
  splash.setHideSplash(false);
  splash.setStartingSplash(count);
  splash.setResetSplash(true);
  gameLog.msg("Loading splash images");
  for (int k = 0;; ++k) {
    std::string path = name == "default" ? "splash" + std::to_string(k) + ".jpg"
                                         : "games/" + name + "/splash" + std::to_string(k) + ".jpg";
    if (!fileOpens(path)) break;
    uiImage.resize(count + 1);
    generateImage(path, count);
    ++count;
    splash.setSplash(k + 1);
  }
  if (splash.getSplashCount() == 0) {
    systemMsg("No splash images loaded");
    splash.setHideSplash(true);
  } else {
    splash.setCurrentSplash(0);
  }
}

}  // namespace

bool generateImage(const std::string& path, int index) {
  if (index < 0 || index >= static_cast<int>(uiImage.size())) return false;
  img& image = uiImage[index];
  image.SetTex(static_cast<int>(platform().loadTexture(path)));
  image.SetPointer(index);
  image.setAnimState(false);
  image.setAnimSpeed(1000);
  image.setFrameCount(1);
  return true;
}

bool generateGameImage(const std::string& path, int index) {
  if (index < 0 || index >= static_cast<int>(gameImg.size())) return false;
  gameImg[index].SetTex(static_cast<int>(platform().loadTexture(path)));
  gameImg[index].SetPointer(index);
  return true;
}

int loadUIImages(const std::string& name, bool gameImages) {
  systemMsg("Reading and Loading UI Images. Please wait...");
  freeTable(uiImage);
  int count = loadFolder("ui", uiImage, 0, generateImage, INT_MAX);
  if (gameImages) count = loadFolder("games/" + name + "/ui", uiImage, count, generateImage, INT_MAX);
  findSplashImages(name, count);
  systemMsg("UI Images successfully loaded.");
  return count;
}

bool loadGameImages(const std::string& game, int& count) {
  freeTable(gameImg);
  int defaults = loadFolder("map", gameImg, 0, generateGameImage, kFirstOwnGameImage);
  gameImg.resize(kFirstOwnGameImage);
  for (int i = defaults; i < kFirstOwnGameImage; ++i) gameImg[i].SetPointer(-1);
  count = loadFolder("games/" + game + "/map", gameImg, kFirstOwnGameImage, generateGameImage, INT_MAX);
  systemMsg("Images loaded for^y " + game);
  return true;
}

bool generateSysImage(const std::string& name, int index) {
  if (index < 0 || index >= kSystemImageCount) return false;
  std::string path = name + ".jpg";
  if (!fileOpens(path)) path = name + ".png";
  if (!fileOpens(path)) return false;
  sysImage[index].SetTex(static_cast<int>(platform().loadTexture(path)));
  sysImage[index].SetPointer(index);
  return true;
}

int systemTexture(int index) {
  return index >= 0 && index < static_cast<int>(sysImage.size()) ? sysImage[index].GetTex() : 0;
}

void loadSysImages() {
  systemMsg("^wReading System Images...");
  sysImage.assign(kSystemImageCount, img());
  for (int i = 0; i < kSystemImageCount; ++i) {
    generateSysImage(std::string("uireq/") + kSystemImageNames[i], i);
  }
  systemMsg("^wSystem images successfully read and loaded.");
}

void freeImageTables() {
  freeTable(uiImage);
  freeTable(gameImg);
  freeTable(sysImage);
}

void updateAnimation() {
  int now = elapsedMs();
  advance(gameImg, now);
  advance(uiImage, now);
}

void loadRender(const std::string& message, float percent) {
  if (gameSys.getColorPick()) return;
  platform().showLoadingScreen(message, percent <= 0.0f ? 1.0f : percent);
}

}  // namespace tf
