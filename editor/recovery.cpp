// Writing, checking, restoring and removing the recovery copy of the game or
// menu set being edited. The copy holds the files a save would write and a
// list of them with their sizes and checksums, written last: a copy whose
// files do not match the list is damaged and is never loaded.
#include "editor/recovery.h"

#include <boost/filesystem.hpp>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/atomic_file.h"
#include "core/clock.h"
#include "core/log.h"
#include "core/run_state.h"
#include "core/script_object.h"
#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/world_editor.h"
#include "game/config_text.h"
#include "game/lifecycle.h"
#include "game/logic_file.h"
#include "game/map_file.h"
#include "game/world.h"
#include "media/images.h"
#include "media/notice.h"
#include "menus/dialog.h"
#include "menus/ui_file.h"
#include "menus/ui_model.h"

namespace tf {
namespace fs = boost::filesystem;
namespace {

constexpr const char* kMapFile = "map.cfg";
constexpr const char* kLogicFile = "logic.cfg";
constexpr const char* kMenuFile = "ui.cfg";
constexpr const char* kListFile = "recovery.cfg";
constexpr const char* kToolkitRecovery = "system/recovery/";
constexpr const char* kRecoveryTitle = "^yRecovery";

// Changes made since the copy was last written are counted by the history;
// the copy is due an interval after the first of them.
long long copiedAt = 0;   // the history's change count when the copy was written
int pendingSince = -1;    // when changes not in the copy were first seen; -1 none
bool copyOnDisk = false;  // this session wrote the copy now on disk

void forgetCopy() {
  copiedAt = 0;
  pendingSince = -1;
  copyOnDisk = false;
}
const bool registered = registerRunStateReset(forgetCopy);

std::string editedName() { return world.getGameName(); }
bool menuSetOnly(const std::string& name) { return isToolkitMenuSet(name); }

std::vector<std::string> copiedFiles(const std::string& name) {
  if (menuSetOnly(name)) return {kMenuFile};
  return {kMapFile, kLogicFile, kMenuFile};
}

// The saved file a copied file stands for.
std::string savedFile(const std::string& name, const std::string& file) {
  if (menuSetOnly(name)) return toolkitMenuFile(name);
  return gameFolder(name) + "/system/" + file;
}

// Size and 64-bit FNV-1a checksum of a text, as the list keeps them.
std::string checkOf(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  std::ostringstream out;
  out << text.size() << '-' << std::hex << hash;
  return out.str();
}

bool readWhole(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream out;
  out << in.rdbuf();
  text = out.str();
  return !in.bad();
}

// The texts of the files of `name` as a save would write them; false when
// the game is too large for the readers (a save refuses it too).
bool fileTexts(const std::string& name, std::vector<std::string>& texts) {
  texts.clear();
  if (!menuSetOnly(name)) {
    const configText maps = mapFileText(world, gameImg);
    const configText logic = logicFileText(world);
    if (!maps.fitsReader() || !logic.fitsReader()) return false;
    texts.push_back(maps.str());
    texts.push_back(logic.str());
  }
  std::ostringstream menus;
  writeMenuText(menus);
  texts.push_back(menus.str());
  return true;
}

std::string listText(const std::vector<std::string>& files, const std::vector<std::string>& texts) {
  configText list;
  list.line("// Recovery copy of unsaved changes: written by the editor, read only by it.");
  for (std::size_t i = 0; i < files.size(); ++i) {
    list.text("file" + std::to_string(i), files[i]);
    list.text("check" + std::to_string(i), checkOf(texts[i]));
  }
  return list.str();
}

fileWrite writerOf(const std::string& path, std::string text) {
  return {path, [text = std::move(text)](std::ostream& out) { out << text; }};
}

bool writeCopy(const std::string& name) {
  if (name.empty()) return false;
  const std::string folder = recoveryFolder(name);
  // A game never saved has no folder; a folder made for its copy alone would
  // show in the game browser as a game that cannot be opened.
  if (!menuSetOnly(name) && !fs::is_directory(gameFolder(name))) return false;
  std::vector<std::string> texts;
  if (!fileTexts(name, texts)) return false;
  boost::system::error_code ignored;
  fs::create_directories(folder, ignored);
  const std::vector<std::string> files = copiedFiles(name);
  std::vector<fileWrite> writes;
  for (std::size_t i = 0; i < files.size(); ++i) writes.push_back(writerOf(folder + "/" + files[i], texts[i]));
  writes.push_back(writerOf(folder + "/" + kListFile, listText(files, texts)));
  fileWriteFailure failure;
  if (!writeFilesAtomically(writes, failure)) {
    systemMsg("^rERROR: ^wThe recovery copy could not be written to ^y" + failure.path + "^w: " + failure.reason);
    return false;
  }
  return true;
}

// The copy's files, checked against its list; false when any is missing or
// differs from what was written.
bool readCopy(const std::string& name, std::vector<std::string>& texts) {
  const std::string folder = recoveryFolder(name);
  scriptObject list;
  if (!list.readFile(folder + "/" + kListFile)) return false;
  const std::vector<std::string> files = copiedFiles(name);
  texts.assign(files.size(), std::string());
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (list.findLineS("file" + std::to_string(i)) != files[i]) return false;
    if (!readWhole(folder + "/" + files[i], texts[i])) return false;
    if (list.findLineS("check" + std::to_string(i)) != checkOf(texts[i])) return false;
  }
  return true;
}

std::time_t newestSaved(const std::string& name) {
  std::time_t newest = 0;
  boost::system::error_code error;
  for (const std::string& file : copiedFiles(name)) {
    const std::time_t t = fs::last_write_time(savedFile(name, file), error);
    if (!error && t > newest) newest = t;
  }
  return newest;
}

bool editorState(int state) { return state == kStateWorldEditor || state == kStateMenuEditor; }

// An editor is shown with the edited world (not a play-test's).
bool editingNow() { return world.getGameLoaded() && editorState(gameSys.getGameState()); }

// The same, or a dialog over an editor.
bool editorHoldsWorld() {
  return editingNow() || (world.getGameLoaded() && gameSys.getGameState() == kStateDialog && editorState(gameUI.getLastGS()));
}

void reportDamaged(const std::string& name) {
  systemMsg("^rERROR: ^wThe recovery copy in ^y" + recoveryFolder(name) +
            "^w is damaged; it was not loaded. Saving the game removes it.");
  notice.setNotice(kRecoveryTitle, "The recovery copy of ^y" + name + "^w is damaged and was not loaded.");
}

// Reads the checked texts into the model in place of what was loaded.
bool loadTexts(const std::string& name, const std::vector<std::string>& texts) {
  const std::string folder = recoveryFolder(name);
  std::size_t next = 0;
  if (!menuSetOnly(name)) {
    const std::string mapPath = folder + "/" + kMapFile, logicPath = folder + "/" + kLogicFile;
    scriptMap.clear();
    scriptLogic.clear();
    if (!scriptMap.readText(texts[0], mapPath) || !readGameMaps(scriptMap, world, mapPath)) return false;
    for (img& image : gameImg) image.setAnimState(false);
    applyImageAnimations(scriptMap, gameImg);
    if (scriptLogic.readText(texts[1], logicPath)) readGameLogic(scriptLogic, world, logicPath);
    next = 2;
  }
  return readMenuText(texts[next], folder + "/" + kMenuFile);
}

void restoreCopy() {
  const std::string name = editedName();
  std::vector<std::string> texts;
  // A copy read only in part would leave a mix of it and the saved game.
  const gameWorld keptWorld = world;
  const UI keptMenus = gameUI;
  const std::vector<img> keptImages = gameImg, keptMenuImages = uiImage;
  if (!readCopy(name, texts) || !loadTexts(name, texts)) {
    world = keptWorld;
    gameUI = keptMenus;
    gameImg = keptImages;
    uiImage = keptMenuImages;
    reportDamaged(name);
    return;
  }
  resetEditorSelection();
  if (menuSetOnly(name)) {
    loadMenu(0);
  } else {
    changeMap(0);  // the first map afresh: the selection and camera named the saved maps
    loadMenu(gameUI.getEditorMainMenu());
  }
  editHistoryLog.clear();
  editHistoryLog.markUnsaved();
  copiedAt = editHistoryLog.getChangeCount();
  pendingSince = -1;
  copyOnDisk = true;
  systemMsg("^gThe unsaved changes of ^y" + name + "^g were restored from the recovery copy.");
}

}  // namespace

std::string recoveryFolder(const std::string& name) {
  if (menuSetOnly(name)) return kToolkitRecovery + name;
  return gameFolder(name) + "/recovery";
}

int recoveryIntervalMs() {
  const char* set = std::getenv(kRecoveryIntervalVariable);
  if (!set) return kRecoveryIntervalMs;
  char* end = nullptr;
  const long ms = std::strtol(set, &end, 10);
  return end != set && *end == '\0' && ms > 0 && ms <= kRecoveryIntervalMs ? static_cast<int>(ms)
                                                                            : kRecoveryIntervalMs;
}

void recoveryTick() {
  if (!editingNow()) return;
  if (!editHistoryLog.hasUnsavedChanges()) {
    if (copyOnDisk) removeRecoveryCopy();
    pendingSince = -1;
    return;
  }
  if (editHistoryLog.getChangeCount() == copiedAt) return;
  const int now = elapsedMs();
  if (pendingSince < 0 || now < pendingSince) pendingSince = now;
  if (now - pendingSince >= recoveryIntervalMs()) writeRecoveryCopy();
}

bool writeRecoveryCopy() {
  if (!editorHoldsWorld() || !editHistoryLog.hasUnsavedChanges()) return false;
  const long long changes = editHistoryLog.getChangeCount();
  if (copyOnDisk && changes == copiedAt) return true;
  pendingSince = -1;
  if (!writeCopy(editedName())) {
    // Tried again after the next change, not every frame.
    copiedAt = changes;
    return false;
  }
  copiedAt = changes;
  copyOnDisk = true;
  return true;
}

void removeRecoveryCopy() {
  boost::system::error_code ignored;
  fs::remove_all(recoveryFolder(editedName()), ignored);
  copyOnDisk = false;
  pendingSince = -1;
  copiedAt = editHistoryLog.getChangeCount();
}

RecoveryCopy findRecoveryCopy(const std::string& name) {
  const std::string folder = recoveryFolder(name);
  if (!fs::is_directory(folder)) return RecoveryCopy::None;
  std::vector<std::string> texts;
  if (!readCopy(name, texts)) return RecoveryCopy::Damaged;
  boost::system::error_code error;
  const std::time_t copied = fs::last_write_time(folder + "/" + kListFile, error);
  if (error) return RecoveryCopy::Damaged;
  return copied >= newestSaved(name) ? RecoveryCopy::Offered : RecoveryCopy::Stale;
}

void offerRecovery() {
  forgetCopy();
  if (!editingNow()) return;
  const std::string name = editedName();
  switch (findRecoveryCopy(name)) {
    case RecoveryCopy::Offered: enableDialog(kRestoreDialog); break;
    case RecoveryCopy::Damaged: reportDamaged(name); break;
    case RecoveryCopy::Stale: removeRecoveryCopy(); break;
    case RecoveryCopy::None: break;
  }
}

void answerRecovery(int restore) {
  disableDialog();
  if (!editingNow()) return;
  if (restore == 1) {
    restoreCopy();
  } else {
    removeRecoveryCopy();
  }
}

int chooseLeaveDialog(int id) {
  if (!editorHoldsWorld() || !editHistoryLog.hasUnsavedChanges()) return id;
  if (id == kLeaveToolkitDialog) return kLeaveToolkitUnsavedDialog;
  if (id == kLeaveEditorDialog) return kLeaveEditorUnsavedDialog;
  return id;
}

}  // namespace tf
