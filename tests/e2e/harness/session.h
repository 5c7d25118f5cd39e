// One end-to-end session: a private copy of the data tree, a private X server,
// the built program running in that copy, and the means to drive it as a
// person would (keys, clicks, the window's close button) and to read what it
// leaves behind (log lines, exit code, files, pixels, screenshots).
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace tfe2e {

struct Pixel {
  int r = -1, g = -1, b = -1;
  bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
};
using PixelTest = std::function<bool(const Pixel&)>;

// The longest any wait for a condition may take before the test gives up:
// far beyond what any step takes, even on a slow machine that is busy with
// other work. A condition that holds ends its wait at once.
constexpr int kWaitMs = 30000;

class Session {
 public:
  // Copies the repository's data/ into a fresh temporary folder, leaving out
  // the settings and the log of earlier runs.
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The copy of the data tree the program runs in.
  const std::string& dataDir() const { return dataDir_; }
  std::string path(const std::string& relative) const { return dataDir_ + "/" + relative; }
  void writeFile(const std::string& relative, const std::string& text) const;
  std::string readFile(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  void removeFile(const std::string& relative) const;

  // Starts the X server (the first time) and the program, and waits until
  // the program's window is up or the program has ended. Once the program
  // has ended, it can be started again on the same data tree. `environment` entries
  // (NAME=value) are added to the program's environment. Sound goes to OpenAL
  // Soft's null output unless an entry chooses a driver, or
  // `chooseSilentSound` is false, in which case the program finds its own way
  // (as on a machine with no sound card).
  void start(const std::vector<std::string>& environment = {}, bool chooseSilentSound = true);
  bool running();

  // Waits until `condition` holds; false when it did not within `timeoutMs`.
  bool waitUntil(const std::function<bool()>& condition, int timeoutMs = kWaitMs);
  // Waits for a line of log.txt that contains `text`; for `count` of them.
  // A test fails when it waits for a line that the log already held when the
  // first input since its last wait for a log line was sent: that line
  // cannot show what the input did (count the lines and wait for one more).
  bool waitForLog(const std::string& text, int timeoutMs = kWaitMs);
  bool waitForLogLines(const std::string& text, int count, int timeoutMs = kWaitMs);
  // How often `text` stands in the log so far: what a test counts before an
  // action whose line the log already holds from an earlier one, so that it
  // waits for the new line (waitForLogLines with one more) and not the old.
  int countLog(const std::string& text) const;
  // Waits for a file of the data tree to exist.
  bool waitForFile(const std::string& relative, int timeoutMs = kWaitMs);
  // Waits for the screen pixel at (x, y) to pass `test`.
  bool waitForPixel(int x, int y, const PixelTest& test, int timeoutMs = kWaitMs);
  // Waits until the right-hand strip of the window, where the debug panel
  // stands in debug mode, shows other figures (frame rate, seconds, pointer)
  // than when called: the program has drawn a later frame since.
  bool waitForLaterFrame(int timeoutMs = kWaitMs);
  std::string log() const { return readFile("log.txt"); }
  std::string standardOutput() const;
  // Waits for the program to end; its exit code, or -1 when it did not end
  // (or was killed by a signal).
  int waitForExit(int timeoutMs = kWaitMs);
  // Ends the program at once with SIGKILL, as a crash or a power cut would:
  // nothing of its own runs. It can be started again afterwards.
  void killProgram();

  // Input through the X server, as a person's keyboard and mouse would send
  // it. The program reads its input events in the order they are sent, so
  // a key typed or a click made after another is handled after it.
  void key(const std::string& keyName);
  void keyDown(const std::string& keyName);
  void keyUp(const std::string& keyName);
  void type(const std::string& text);
  // Pointer moves first pause for the program's hover throttle: the program
  // looks where the pointer has gone at most that often. Callers wait for
  // the last move's effect to show before, which puts the pause after it.
  void moveMouse(int x, int y);
  // Moves the pointer onto (x, y) until the screen pixel at (px, py) passes
  // `test`. A move that reaches the program too soon after another goes
  // unseen, as above, when the program was held up and takes both at once;
  // so while the pixel has not changed the move is made again, one pixel
  // aside and back. For looks that a hover alone brings.
  bool hoverUntil(int x, int y, int px, int py, const PixelTest& test);
  // Moves the pointer onto (x, y) and clicks there; the pointer always
  // moves, so the program hovers over what lies there before the click.
  void click(int x, int y, int button = 1);
  // Presses `button` at (x0, y0), moves the pointer to (x1, y1) in `moves`
  // equal steps spaced beyond the program's drag throttle, and releases it
  // there; the program sees each move as a drag event, in order. By default
  // there are more moves than the program holds back after a click selects
  // something.
  void drag(int x0, int y0, int x1, int y1, int button = 1, int moves = 0);
  // Clicks a menu or dialog button. The program ignores a button clicked
  // within its debounce time of the last button it ran, so this first pauses
  // for that long: callers wait for the last click's effect to show before,
  // which puts the pause after the program ran it.
  void clickButton(int x, int y);
  // Asks the window to close, as a window manager's close button does.
  void closeWindow();

  // The program's window: its size (0 when there is none).
  bool windowSize(int& width, int& height);
  Pixel pixel(int x, int y);
  // The pixels of the rectangle from (x0, y0) to (x1, y1), every `step`
  // pixels, row by row (empty when the screen cannot be read).
  std::vector<Pixel> area(int x0, int y0, int x1, int y1, int step);
  void screenshot(const std::string& file, int width = 800, int height = 600);
  // A screenshot of the window named `name` in the data tree, copied into the
  // folder that TF_SCREENSHOT_DIR names when it is set (the README's pictures
  // in docs/ are taken so).
  void keepScreenshot(const std::string& name);

 private:
  void startServer();
  unsigned long findWindow();
  void runXdotool(const std::vector<std::string>& args);

  std::string root_;
  std::string dataDir_;
  std::string display_;
  pid_t server_ = -1;
  pid_t program_ = -1;
  int exitCode_ = -1;
  bool exited_ = false;
  // The log as it stood when the first input since the last wait for a log
  // line was sent: the lines a wait for this step's effect must not take.
  std::string logBeforeStep_;
  bool stepBegun_ = false;
};

// The line start-up writes to the log last, before the first frame.
constexpr const char* kStartedLine = "Building file structure for Tessera Forge Directory";

// Settings of an 800 x 600 window at the origin (so screen pixels are overlay
// units), 30 frames a second and no first-time welcome. In debug mode the
// toolkit and its games open on their menus without splash pictures.
std::string windowSettings(bool debugMode = true, bool sound = false);

// Colours of the toolkit's buttons and boxes, read back from the screen.
bool greenish(const Pixel& p);
bool reddish(const Pixel& p);
bool bluish(const Pixel& p);
// True for a pixel of white text.
bool whitish(const Pixel& p);

// Places on the toolkit's own screens (the window is 800 x 600 at 0, 0, so
// screen pixels are overlay units): the Play and Quit buttons' green and red
// faces on the main menu (the Play button alone could be a map's grass in
// the editor), and the blue tile of the splash picture (where the main menu
// shows the Play button's green).
struct Place {
  int x, y;
};
constexpr Place kMainMenuPlay{320, 210};
constexpr Place kMainMenuQuit{320, 510};
constexpr Place kSplashBlueTile{450, 235};
// Waits for the main menu or the splash picture to be on the screen.
bool waitForMainMenu(Session& s);
bool waitForSplash(Session& s);
// The check mark that closes an editor's welcome window, and a green pixel of
// it that no screen behind the window shows there.
constexpr Place kWelcomeClose{700, 523};
constexpr Place kWelcomeGreen{700, 540};
// Waits for a welcome window to be on the screen.
bool waitForWelcome(Session& s);

// How many pixels of two equal areas differ.
int countDiffering(const std::vector<Pixel>& a, const std::vector<Pixel>& b);

}  // namespace tfe2e
