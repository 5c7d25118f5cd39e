// Drawing tests on a real window: one 800 x 600 freeglut window per test
// program with the program's own platform installed, test pictures made with
// ImageMagick, and the pixels of a drawn frame read back from the back buffer
// (Mesa's software renderer gives exact colours).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace tftest {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& out, const Rgb& c);
// True when every component is within `tolerance` of the other's.
bool near(const Rgb& a, const Rgb& b, int tolerance);

// ImageMagick colour argument for a colour, e.g. "rgb(1,2,3)".
std::string magickColor(const Rgb& c);

// Writes a picture made of `rows` x `columns` equal cells of `cellSize`
// pixels, cell colours row by row ("none" for a transparent cell).
bool makeGridPicture(const std::string& path, int rows, int columns, int cellSize,
                     const std::vector<std::string>& cellColors);

// Colours of the test pictures.
constexpr Rgb kQuadTopLeft{255, 0, 0}, kQuadTopRight{0, 255, 0}, kQuadBottomLeft{0, 0, 255},
    kQuadBottomRight{255, 255, 0};
// Font cell (column, row) of the test font picture; cells without a glyph in
// the font's layout are transparent.
Rgb fontCellColor(int column, int row);
// System image i of the test set (the font and a few others excepted).
Rgb testSystemImageColor(int index);
// The pick colours of what blocks a click and of the empty background.
constexpr Rgb kBlockingPick{144, 144, 144}, kEmptyPick{254, 254, 254};

// A point of the frame and the colour expected there.
struct At {
  int x, y;
  Rgb color;
};

// The test set's notice background (system image 4).
constexpr Rgb kTestNoticeBackground{40, 60, 80};

class GlTest : public ::testing::Test {
 protected:
  // Opens the window once per program and installs the window's platform.
  static void SetUpTestSuite();
  // A cleared frame, overlay and camera matrices reset, no pick pass, no
  // notice; the working folder is a fresh temporary one.
  void SetUp() override;
  void TearDown() override;

  // The pixel at (x, y) of the back buffer, origin at the top left; the
  // window is 800 x 600, so overlay units are pixels.
  Rgb pixel(int x, int y) const;
  // Expects each point of the back buffer in its colour.
  void expectPixels(const std::vector<At>& points) const;
  void clearFrame(const Rgb& color = Rgb());
  // Saves the back buffer as a PNG file.
  bool saveScreenshot(const std::string& path) const;
  // Saves the back buffer as `file` in the working folder and expects a real
  // picture (over `minBytes`); when TF_SCREENSHOT_DIR names a folder, the
  // picture is copied there too (the README's pictures in docs/ are made so).
  void keepScreenshot(const std::string& file, std::uintmax_t minBytes = 1000) const;

  // Loads a picture into a texture through the platform (freed at TearDown).
  int loadPicture(const std::string& path);
  // Test pictures in the working folder; each returns its path.
  std::string solidPicture(const std::string& name, const Rgb& c, int size = 32);
  std::string quadrantPicture(const std::string& name = "quad.png");

  // Fills the system image registry with the test set: a distinct colour per
  // image, the font grid of fontCellColor, a transparent "none" and a white
  // "shader". Made once per program.
  void useTestSystemImages();
  // Loads the program's own system images from data/uireq when they are
  // there (false otherwise): good to look at, for screenshots.
  bool useDataSystemImages();
  // Copies the named files of data/system and the pictures of data/ui into
  // the working folder, for the toolkit's own menus.
  void copyDataMenus(const std::vector<std::string>& systemFiles);

  ScopedWorkDir dir;

 private:
  std::vector<int> textures_;
};

}  // namespace tftest
