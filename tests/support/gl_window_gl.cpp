// The drawing tests' window, pictures and pixel reads.
#include "gl_window.h"

#include <GL/freeglut.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/app.h"
#include "app/glut_platform.h"
#include "core/camera.h"
#include "core/platform.h"
#include "core/system.h"
#include "core/view.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/text.h"

namespace fs = boost::filesystem;

namespace tftest {
namespace {

constexpr int kWidth = 800, kHeight = 600;

void noDisplay() {}

// Runs a program with its arguments (no shell); true when it exits with 0.
bool runProgram(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder that lives as long as the program, for pictures made once.
class ProgramFolder {
 public:
  ProgramFolder() {
    char pattern[] = "/tmp/tf-gl-XXXXXX";
    if (mkdtemp(pattern)) path_ = pattern;
  }
  ~ProgramFolder() {
    boost::system::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const std::string& programFolder() {
  static ProgramFolder folder;
  return folder.path();
}

// The test font: every cell that holds a glyph in a colour of its own, the
// empty cells and the blank cell transparent.
std::vector<std::string> fontColors() {
  bool glyph[tf::kFontCells][tf::kFontCells] = {};
  for (int ch = 1; ch < 256; ++ch) {
    int column, row;
    tf::fontCell(static_cast<char>(ch), column, row);
    glyph[row][column] = true;
  }
  glyph[tf::kFontCells - 1][tf::kFontCells - 1] = false;
  std::vector<std::string> colors;
  for (int row = 0; row < tf::kFontCells; ++row) {
    for (int column = 0; column < tf::kFontCells; ++column) {
      colors.push_back(glyph[row][column] ? magickColor(fontCellColor(column, row)) : "none");
    }
  }
  return colors;
}

// Writes every test system image into `folder`/uireq with one convert run.
bool makeTestSystemImages(const std::string& folder) {
  fs::create_directories(folder + "/uireq");
  if (!makeGridPicture(folder + "/uireq/font.png", tf::kFontCells, tf::kFontCells, 32, fontColors())) {
    return false;
  }
  std::vector<std::string> args = {"convert"};
  for (int i = 0; i < tf::kSystemImageCount; ++i) {
    if (i == tf::kImgFont) continue;
    std::string color = magickColor(testSystemImageColor(i));
    if (i == tf::kImgNone) color = "none";
    args.insert(args.end(), {"-size", "32x32", "xc:" + color, "-write",
                             folder + "/uireq/" + tf::kSystemImageNames[i] + ".png", "+delete"});
  }
  args.insert(args.end(), {"-size", "1x1", "xc:black", "null:"});
  return runProgram(args);
}

void loadSystemImagesFrom(const std::string& folder) {
  fs::path previous = fs::current_path();
  fs::current_path(folder);
  tf::loadSysImages();
  fs::current_path(previous);
}

Rgb readPixel(GLenum buffer, int x, int y) {
  unsigned char rgb[3] = {0, 0, 0};
  glReadBuffer(buffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return Rgb{rgb[0], rgb[1], rgb[2]};
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

bool near(const Rgb& a, const Rgb& b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

std::string magickColor(const Rgb& c) {
  return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

bool makeGridPicture(const std::string& path, int rows, int columns, int cellSize,
                     const std::vector<std::string>& cellColors) {
  const std::string size = std::to_string(cellSize) + "x" + std::to_string(cellSize);
  std::vector<std::string> args = {"convert", "-background", "none"};
  for (int row = 0; row < rows; ++row) {
    args.push_back("(");
    for (int column = 0; column < columns; ++column) {
      args.insert(args.end(), {"-size", size, "xc:" + cellColors[row * columns + column]});
    }
    args.insert(args.end(), {"+append", ")"});
  }
  args.insert(args.end(), {"-append", "PNG32:" + path});
  return runProgram(args);
}

Rgb fontCellColor(int column, int row) { return Rgb{25 * column + 10, 25 * row + 10, 200}; }

Rgb testSystemImageColor(int index) {
  if (index == tf::kImgGameEditorBackground) return kTestNoticeBackground;
  if (index == tf::kImgShader) return Rgb{255, 255, 255};
  return Rgb{5 * index + 3, 77, 150};
}

void GlTest::SetUpTestSuite() {
  static bool open = false;
  if (open) return;
  open = true;
  int argc = 1;
  char name[] = "tf_gl_tests";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA | GLUT_DEPTH);
  glutInitWindowSize(kWidth, kHeight);
  glutInitWindowPosition(0, 0);
  glutCreateWindow("Tessera Forge drawing tests");
  glutDisplayFunc(noDisplay);
  for (int i = 0; i < 10; ++i) glutMainLoopEvent();
  tf::installWindowPlatform();
}

void GlTest::SetUp() {
  tf::gameSys.setColorPick(false);
  tf::gameSys.setDisableMouseState(false);
  tf::notice.setNotice("", "");
  tf::notice.leaveNotice();
  tf::camera.SetPos(0, 0, 0);
  glViewport(0, 0, kWidth, kHeight);
  tf::changeSize(kWidth, kHeight);
  tf::UpdateCamera();
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glColor4f(1, 1, 1, 1);
  clearFrame();
}

void GlTest::TearDown() {
  for (int texture : textures_) tf::platform().freeTexture(static_cast<unsigned>(texture));
  textures_.clear();
  tf::freeImageTables();
  tf::sysImage.assign(tf::kSystemImageCount, tf::img());
  tf::gameSys.setColorPick(false);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

Rgb GlTest::pixel(int x, int y) const {
  glFinish();
  return readPixel(GL_BACK, x, y);
}

void GlTest::expectPixels(const std::vector<At>& points) const {
  for (const At& p : points) EXPECT_EQ(pixel(p.x, p.y), p.color) << "at " << p.x << "," << p.y;
}

void GlTest::clearFrame(const Rgb& color) {
  glClearColor(color.r / 255.0f, color.g / 255.0f, color.b / 255.0f, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

bool GlTest::saveScreenshot(const std::string& path) const {
  std::vector<unsigned char> rgb(kWidth * kHeight * 3);
  glFinish();
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  const std::string raw = path + ".ppm";
  {
    std::ofstream out(raw, std::ios::binary);
    out << "P6\n" << kWidth << " " << kHeight << "\n255\n";
    for (int row = kHeight - 1; row >= 0; --row) {
      out.write(reinterpret_cast<const char*>(&rgb[row * kWidth * 3]), kWidth * 3);
    }
  }
  bool made = runProgram({"convert", raw, path});
  std::remove(raw.c_str());
  return made;
}

void GlTest::keepScreenshot(const std::string& file, std::uintmax_t minBytes) const {
  const std::string shot = dir.path() + "/" + file;
  ASSERT_TRUE(saveScreenshot(shot));
  EXPECT_GT(boost::filesystem::file_size(shot), minBytes);
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    boost::filesystem::copy_file(shot, std::string(keep) + "/" + file,
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }
}

int GlTest::loadPicture(const std::string& path) {
  int texture = static_cast<int>(tf::platform().loadTexture(path));
  if (texture > 0) textures_.push_back(texture);
  return texture;
}

std::string GlTest::solidPicture(const std::string& name, const Rgb& c, int size) {
  std::string path = dir.path() + "/" + name;
  std::string extent = std::to_string(size) + "x" + std::to_string(size);
  EXPECT_TRUE(runProgram({"convert", "-size", extent, "xc:" + magickColor(c), path}));
  return path;
}

std::string GlTest::quadrantPicture(const std::string& name) {
  std::string path = dir.path() + "/" + name;
  EXPECT_TRUE(makeGridPicture(path, 2, 2, 32,
                              {magickColor(kQuadTopLeft), magickColor(kQuadTopRight), magickColor(kQuadBottomLeft),
                               magickColor(kQuadBottomRight)}));
  return path;
}

void GlTest::useTestSystemImages() {
  static bool made = false;
  const std::string& folder = programFolder();
  if (!made) {
    ASSERT_TRUE(makeTestSystemImages(folder));
    made = true;
  }
  loadSystemImagesFrom(folder);
  ASSERT_GT(tf::sysImage[tf::kImgFont].GetTex(), 0);
}

bool GlTest::useDataSystemImages() {
  const std::string data = std::string(TF_SOURCE_DIR) + "/data";
  if (!fs::exists(data + "/uireq/font.png") && !fs::exists(data + "/uireq/font.jpg")) return false;
  loadSystemImagesFrom(data);
  return true;
}

void GlTest::copyDataMenus(const std::vector<std::string>& systemFiles) {
  const fs::path data = fs::path(TF_SOURCE_DIR) / "data";
  fs::create_directories("system");
  fs::create_directories("ui");
  for (const std::string& file : systemFiles) fs::copy_file(data / "system" / file, fs::path("system") / file);
  for (fs::directory_iterator it(data / "ui"), end; it != end; ++it) {
    fs::copy_file(it->path(), fs::path("ui") / it->path().filename());
  }
}

}  // namespace tftest
