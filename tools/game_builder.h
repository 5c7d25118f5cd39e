// Building a game in the program's own model: maps drawn as rows of
// characters, objects, logic sentences and phrases in `world`, menus in
// `gameUI` starting from the toolkit's in-game menu set, and help pages; then
// written with the program's own writers into games/<name>/ under the
// working folder.
#pragma once

#include <string>
#include <vector>

#include "rules.h"

namespace tfgames {

// A map drawn as text, top row first; each character is one tile.
class Grid {
 public:
  explicit Grid(std::vector<std::string> rows);
  int width() const { return static_cast<int>(rows_.front().size()); }
  int height() const { return static_cast<int>(rows_.size()); }
  // The character of tile (column, row), row 0 being the bottom line.
  char at(int column, int row) const;

  struct Cell {
    int column, row;
  };
  // Every tile holding `c`, bottom row first, left to right.
  std::vector<Cell> find(char c) const;
  // The one tile holding `c`; the program stops when there is not exactly one.
  Cell only(char c) const;

 private:
  std::vector<std::string> rows_;
};

// World units of a tile's centre.
float tileX(int column);
float tileY(int row);
inline float tileX(const Grid::Cell& c) { return tileX(c.column); }
inline float tileY(const Grid::Cell& c) { return tileY(c.row); }

// One object: its centre, drawn half size, picture, layer and collision box.
struct Thing {
  std::string name;  // one word: the map file keeps names to their first blank
  float x = 0, y = 0;
  float half = 0.15f;  // drawn half width and height
  int image = 0;
  int layer = 1;
  bool solid = false;
  float box = 0.15f;  // collision half width and height
};

class GameBuilder {
 public:
  // Starts an empty game called `name` in `world`.
  explicit GameBuilder(const std::string& name);

  int addMap(const std::string& name, const Grid& grid);
  // Every tile of map m gets the image that `tileFor` gives its character.
  template <typename TileFor>
  void paint(int m, const Grid& grid, TileFor tileFor) {
    for (int c = 0; c < grid.width(); ++c) {
      for (int r = 0; r < grid.height(); ++r) setTile(m, c, r, tileFor(grid.at(c, r)));
    }
  }
  int addObject(int m, const Thing& thing);
  // Objects of `thing` (named with a number after the name) on every tile of `grid` holding `c`.
  std::vector<int> addObjectsAt(int m, const Grid& grid, char c, Thing thing);

  void global(int m, const Rule& r);
  void local(int m, int obj, const Rule& r);
  void phrase(int i, const std::string& text);
  // Game image `image` is an animation strip of frames 0 to `lastFrame`.
  void animate(int image, int lastFrame, int speedMs);

  // Writes games/<name>/system/map.cfg and logic.cfg.
  void save() const;

 private:
  void setTile(int m, int column, int row, int image);
};

// Menus: the toolkit's in-game menu set (first menu, pause menu, options,
// editor main menu and editing screen) with the game's own first menu and
// pause menu put in place of the toolkit's.
class MenuBuilder {
 public:
  // Reads system/ingameui.cfg into the menu model.
  MenuBuilder();

  // Empties menu m and gives it `background` (a menu image).
  void clear(int m, int background);
  void button(int m, float x, float y, int picture, int func, int func2 = 0);
  void text(int m, float x, float y, const std::string& line);
  void centredText(int m, float y, const std::string& line);

  // The game's first menu: its own title picture, a line saying what the
  // game is about, Start, Options, Help and Quit, and its controls below.
  void titleMenu(int background, const std::string& pitch, const std::string& controls);
  // The toolkit's pause menu, its Quit button leaving the game (Leave Game),
  // with the game's controls as a reminder.
  void pauseMenu(const std::string& controls);

  // Writes games/<game>/system/ui.cfg for the game in `world`.
  void save() const;
};

// The menu picture index of a game's first own menu picture (games/<g>/ui/):
// it follows the toolkit's pictures of ui/.
int firstOwnMenuPicture();

// Help pages: a title and topics of lines.
struct HelpTopic {
  std::string title;
  std::vector<std::string> lines;
};
// Writes games/<game>/system/help.cfg; the program stops when a line is longer
// than the help window keeps.
void writeHelp(const std::string& game, const std::string& title, const std::vector<HelpTopic>& topics);

// Stops the program with a message when `ok` is false.
void require(bool ok, const std::string& what);

}  // namespace tfgames
