// Image registries: loading through the platform's picture loader, freeing,
// and the animation step.
#include "media/images.h"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <climits>
#include <cstdio>

#include "core/clock.h"
#include "core/log.h"
#include "core/platform.h"
#include "core/system.h"
#include "game/world.h"
#include "media/splash.h"
#include "menus/ui.h"

namespace tf {

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

namespace fs = boost::filesystem;

constexpr int kFirstNumber = 10000;

bool isNumber(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The part before the first dot, and after it; a name without a dot is all extension.
std::string stemOf(const std::string& name) {
  std::size_t dot = name.find('.');
  return dot == std::string::npos ? std::string() : name.substr(0, dot);
}
std::string extensionOf(const std::string& name) {
  std::size_t dot = name.find('.');
  return dot == std::string::npos ? name : name.substr(dot + 1);
}

// Numbered names first, by value, so that 10002 stays before 100000; then the
// rest by name.
bool listedBefore(const std::string& a, const std::string& b) {
  bool numberA = isNumber(stemOf(a));
  bool numberB = isNumber(stemOf(b));
  if (numberA != numberB) return numberA;
  if (numberA) {
    std::string sa = stemOf(a), sb = stemOf(b);
    if (sa.size() != sb.size()) return sa.size() < sb.size();
    if (sa != sb) return sa < sb;
  }
  return a < b;
}

std::vector<std::string> listFolder(const fs::path& folder) {
  std::vector<std::string> names;
  boost::system::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), listedBefore);
  return names;
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

std::vector<std::string> numberFolder(const std::string& folder) {
  const fs::path dir(folder);
  boost::system::error_code error;
  if (!fs::is_directory(dir, error)) return {};
  std::vector<std::string> names = listFolder(dir);

  // Two passes, so that no entry is renamed onto one still waiting for its
  // own new name: first every entry to move gets a temporary name, then its
  // number.
  std::vector<std::string> finalNames(names.size());
  std::vector<std::string> current(names);
  for (std::size_t k = 0; k < names.size(); ++k) {
    finalNames[k] = std::to_string(kFirstNumber + k) + "." + extensionOf(names[k]);
    if (finalNames[k] == names[k]) continue;
    std::string parked = "~renaming" + std::to_string(k) + "." + extensionOf(names[k]);
    fs::rename(dir / names[k], dir / parked, error);
    if (!error) current[k] = parked;
  }
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (current[k] == finalNames[k]) continue;
    boost::system::error_code moved;
    if (fs::exists(dir / finalNames[k], moved)) {
      finalNames[k] = current[k];  // never overwrite: keep the entry where it is
      continue;
    }
    fs::rename(dir / current[k], dir / finalNames[k], moved);
    if (moved) finalNames[k] = current[k];
  }
  return finalNames;
}

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

void loadUIImages(const std::string& name) {
  systemMsg("Reading and Loading UI Images. Please wait...");
  freeTable(uiImage);
  int count = loadFolder("ui", uiImage, 0, generateImage, INT_MAX);
  if (name != "ingameui" && name != "mainui") {
    count = loadFolder("games/" + name + "/ui", uiImage, count, generateImage, INT_MAX);
  }
  findSplashImages(name, count);
  gameUI.setUIImageCount(count);
  systemMsg("UI Images successfully loaded.");
}

bool loadGameImages() {
  freeTable(gameImg);
  int defaults = loadFolder("map", gameImg, 0, generateGameImage, kFirstOwnGameImage);
  gameImg.resize(kFirstOwnGameImage);
  for (int i = defaults; i < kFirstOwnGameImage; ++i) gameImg[i].SetPointer(-1);
  int count = loadFolder("games/" + world.getGameName() + "/map", gameImg, kFirstOwnGameImage,
                         generateGameImage, INT_MAX);
  world.setGameImageCount(count);
  systemMsg("Images loaded for^y " + world.getGameName());
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
