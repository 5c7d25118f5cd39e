// Games put together through the world model, the menu model and the
// program's own file writers.
#include "game_builder.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <utility>

#include "core/atomic_file.h"
#include "game/map_file.h"
#include "game/world.h"
#include "media/folder_numbering.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/button_actions.h"
#include "menus/ui.h"
#include "sample_games.h"

namespace tfgames {
namespace {

// Help lines longer than this are cut when the help is read.
constexpr std::size_t kLongestHelpLine = 59;
constexpr float kScreenCentreX = 400;
// Buttons are drawn 200 x 50.
constexpr float kButtonHalfWidth = 100, kButtonHalfHeight = 25;
// The title menu: a line under the title of the picture, a column of
// buttons, the controls at the foot. The pause menu's controls go between
// its Quit button and its closing line.
constexpr float kPitchY = 205, kFirstButtonY = 265, kButtonSpacing = 65, kControlsY = 545;
constexpr float kPauseControlsY = 490;

}  // namespace

void require(bool ok, const std::string& what) {
  if (ok) return;
  std::fprintf(stderr, "make-sample-games: %s\n", what.c_str());
  std::exit(1);
}

// ---- maps drawn as text ---------------------------------------------------------

Grid::Grid(std::vector<std::string> rows) : rows_(std::move(rows)) {
  require(!rows_.empty(), "a map needs at least one row");
  for (const std::string& line : rows_) require(line.size() == rows_.front().size(), "ragged map row: " + line);
}

char Grid::at(int column, int row) const { return rows_[height() - 1 - row][column]; }

std::vector<Grid::Cell> Grid::find(char c) const {
  std::vector<Cell> cells;
  for (int r = 0; r < height(); ++r) {
    for (int col = 0; col < width(); ++col) {
      if (at(col, r) == c) cells.push_back({col, r});
    }
  }
  return cells;
}

Grid::Cell Grid::only(char c) const {
  const std::vector<Cell> cells = find(c);
  require(cells.size() == 1, std::string("expected one tile marked ") + c);
  return cells.front();
}

float tileX(int column) { return tf::kTileSize * column; }
float tileY(int row) { return tf::kTileSize * row; }

// ---- the world ------------------------------------------------------------------

GameBuilder::GameBuilder(const std::string& name) {
  tf::world = tf::gameWorld();
  tf::world.setGameName(name);
  tf::gameImg.assign(tf::kFirstOwnGameImage, tf::img());
}

int GameBuilder::addMap(const std::string& name, const Grid& grid) {
  const int m = tf::world.getMapCount();
  require(tf::world.allocateMaps(m + 1), "cannot add map " + name);
  require(tf::world.worldSetMap(grid.width(), grid.height(), name, m), "map " + name + " is too large");
  return m;
}

void GameBuilder::setTile(int m, int column, int row, int image) { tf::world.worldSetTile(image, column, row, m); }

int GameBuilder::addObject(int m, const Thing& t) {
  const int obj = tf::world.worldGetObjectCount(m);
  require(t.name.find(' ') == std::string::npos, "object names are one word: " + t.name);
  tf::world.worldSetObject(t.x, t.y, t.half, t.half, t.image, t.layer, obj, m);
  require(tf::world.worldGetObjectCount(m) == obj + 1, "too many objects on map " + std::to_string(m));
  tf::world.worldSetObjectName(t.name, obj, m);
  tf::world.worldSetObjectObstructionState(t.solid, obj, m);
  tf::world.worldSetObstructionSize(t.box, t.box, obj, m);
  return obj;
}

std::vector<int> GameBuilder::addObjectsAt(int m, const Grid& grid, char c, Thing thing) {
  std::vector<int> objects;
  const std::string name = thing.name;
  for (const Grid::Cell& cell : grid.find(c)) {
    thing.name = name + std::to_string(objects.size() + 1);
    thing.x = tileX(cell);
    thing.y = tileY(cell);
    objects.push_back(addObject(m, thing));
  }
  return objects;
}

void GameBuilder::global(int m, const Rule& r) {
  const int k = tf::world.mapGlobalGetSentenceAmount(m);
  tf::world.mapGlobalAddSentence(m);
  require(tf::world.mapGlobalGetSentenceAmount(m) == k + 1, "the global logic of map " + std::to_string(m) + " is full");
  for (int step = 0; step < tf::kSentenceSteps; ++step) tf::world.mapGlobalChangeSentence(m, k, step, r.steps[step]);
}

void GameBuilder::local(int m, int obj, const Rule& r) {
  const int k = tf::world.mapLocalGetSentenceAmount(obj, m);
  tf::world.mapLocalAddSentence(obj, m);
  require(tf::world.mapLocalGetSentenceAmount(obj, m) == k + 1,
          "the logic of " + tf::world.worldGetObjectName(obj, m) + " is full");
  for (int step = 0; step < tf::kSentenceSteps; ++step) tf::world.mapLocalChangeSentence(obj, m, k, step, r.steps[step]);
}

void GameBuilder::phrase(int i, const std::string& text) {
  require(!text.empty() && tf::world.getPhrase(i).empty(), "phrase " + std::to_string(i) + " is given twice");
  tf::world.setPhrase(i, text);
}

void GameBuilder::animate(int image, int lastFrame, int speedMs) {
  tf::img& picture = tf::gameImg.at(image);
  picture.setAnimState(true);
  picture.setFrameCount(lastFrame);
  picture.setAnimSpeed(speedMs);
}

void GameBuilder::save() const { require(tf::saveGameWorld(), "the game could not be saved"); }

// ---- menus ----------------------------------------------------------------------

MenuBuilder::MenuBuilder() {
  tf::gameUI = tf::UI();
  tf::loadUI("ingameui", true);
  require(tf::gameUI.getMenuCount() > 1, "system/ingameui.cfg could not be read");
}

void MenuBuilder::clear(int m, int background) {
  tf::gameUI.setMenuBackgroundTex(m, background);
  tf::gameUI.menuSetButtonCount(m, 0);
  tf::gameUI.menuSetTextboxCount(m, 0);
  tf::gameUI.menuSetTextlineCount(m, 0);
}

void MenuBuilder::button(int m, float x, float y, int picture, int func, int func2) {
  tf::gameUI.uiModifyButton(x, y, kButtonHalfWidth, kButtonHalfHeight, picture, func, func2, m,
                            tf::gameUI.menuGetButtonCount(m));
}

void MenuBuilder::text(int m, float x, float y, const std::string& line) {
  tf::gameUI.uiModifyText(x, y, 1, 1, 1, line, m, tf::gameUI.menuGetTextlineCount(m));
}

void MenuBuilder::centredText(int m, float y, const std::string& line) {
  text(m, static_cast<float>(static_cast<int>(kScreenCentreX - tf::getDisplayTextSize(line) / 2)), y, line);
}

void MenuBuilder::titleMenu(int background, const std::string& pitch, const std::string& controls) {
  clear(kTitleMenu, background);
  centredText(kTitleMenu, kPitchY, "^2^w" + pitch);
  const int pictures[] = {kPictureStart, kPictureOptions, kPictureHelp, kPictureQuit};
  const int funcs[] = {tf::kFuncStartGame, tf::kFuncLoadMenu, tf::kFuncHelp, tf::kFuncLeaveGame};
  const int args[] = {0, kOptionsMenu, 0, 0};
  for (int k = 0; k < 4; ++k) {
    button(kTitleMenu, kScreenCentreX, kFirstButtonY + kButtonSpacing * k, pictures[k], funcs[k], args[k]);
  }
  centredText(kTitleMenu, kControlsY, "^w" + controls);
}

void MenuBuilder::pauseMenu(const std::string& controls) {
  // Its Quit button leaves the game: back to the toolkit's menus when the game
  // was opened from them, the end of the program for a game started alone.
  for (int i = 0; i < tf::gameUI.menuGetButtonCount(kPauseMenu); ++i) {
    float x, y, w, h;
    int picture, func, func2;
    tf::gameUI.uiGetButton(x, y, w, h, picture, func, func2, kPauseMenu, i);
    if (func == tf::kFuncQuit) tf::gameUI.uiModifyButton(x, y, w, h, picture, tf::kFuncLeaveGame, 0, kPauseMenu, i);
  }
  centredText(kPauseMenu, kPauseControlsY, "^w" + controls);
}

void MenuBuilder::save() const { tf::saveUI(tf::world.getGameName()); }

int firstOwnMenuPicture() { return static_cast<int>(tf::numberFolder("ui").size()); }

// ---- help -----------------------------------------------------------------------

void writeHelp(const std::string& game, const std::string& title, const std::vector<HelpTopic>& topics) {
  std::string out =
      "// Help pages of the game " + game + ": helptitle, then for each topic t its\n"
      "// title (help<t>title) and lines (help<t>line<l>). A topic's lines end with a\n"
      "// line holding the word end, the topics with a title holding it.\n"
      "s helptitle " + title + "\n";
  for (std::size_t t = 0; t < topics.size(); ++t) {
    const std::string key = "help" + std::to_string(t);
    out += "\ns " + key + "title " + topics[t].title + "\n";
    std::size_t l = 0;
    for (; l < topics[t].lines.size(); ++l) {
      const std::string& line = topics[t].lines[l];
      require(line.size() <= kLongestHelpLine, "help line too long: " + line);
      out += "s " + key + "line" + std::to_string(l) + " " + line + "\n";
    }
    out += "s " + key + "line" + std::to_string(l) + " end\n";
  }
  out += "\ns help" + std::to_string(topics.size()) + "title end\n";
  require(tf::writeFileAtomically("games/" + game + "/system/help.cfg", [&](std::ostream& file) { file << out; }),
          "cannot write the help of " + game);
}

}  // namespace tfgames
