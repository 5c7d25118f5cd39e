// End-to-end session: temporary data tree, private Xvfb, the program, and
// input through xdotool and Xlib.
#include "harness/session.h"

// Google Test before Xlib: Xlib's macros (None, Bool) would break its headers.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "editor/menu_editor.h"
#include "input/dispatch.h"
#include "menus/button_actions.h"

namespace fs = boost::filesystem;

namespace tfe2e {
namespace {

// How often a wait looks at its condition again.
constexpr int kPollMs = 50;
// The pause between the keystrokes of one key or type command, a person's
// typing pace: freeglut takes a key released while the server already holds
// it pressed again for the keyboard's own repeat, and drops both events.
constexpr int kKeystrokeGapMs = 60;
// The pause before the pointer moves: the program looks where the pointer
// has gone at most once per hover throttle, so a move that reaches it sooner
// after the last one it looked at goes unseen. A little more for the rounding
// of its millisecond clock.
constexpr int kPointerPauseMs = tf::kHoverThrottleMs + 20;
// How long a hover look may take to show before the pointer is moved again.
constexpr int kHoverLookMs = 1000;
// The pause before a button click: the program's debounce, and a little more.
constexpr int kButtonPauseMs = tf::kButtonDebounceMs + 50;
// A drag: the motion events it sends beyond those the program holds back
// after a click selects something, and the pause between two of them, well
// over the program's drag throttle, so that it follows each one.
constexpr int kDragMoves = 8;
constexpr int kDragGapMs = tf::kDragThrottleMs + 20;
// The right-hand strip of an 800 x 600 window, where the debug panel stands
// (at the top, or lowered when the console or the pointer is there).
constexpr int kPanelStripLeft = 600, kPanelStripRight = 799, kPanelStripBottom = 599, kPanelStripStep = 2;

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string slurp(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Copies the data tree, leaving out what a run writes into it.
void copyDataTree(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  for (fs::recursive_directory_iterator it(from), end; it != end; ++it) {
    fs::path relative = fs::relative(it->path(), from);
    std::string name = relative.generic_string();
    if (name == "log.txt" || name == "system/system.cfg") continue;
    if (fs::is_directory(it->status())) {
      fs::create_directories(to / relative);
    } else {
      fs::copy_file(it->path(), to / relative, fs::copy_options::overwrite_existing);
    }
  }
}

[[noreturn]] void execOrDie(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

void redirect(int fd, const std::string& file) {
  int out = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out >= 0) {
    dup2(out, fd);
    close(out);
  }
}

bool lineContains(const std::string& text, const std::string& part) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.find(part) != std::string::npos) return true;
  }
  return false;
}

// The mapped top-level window of the private server: the program's.
Window mappedTopLevel(Display* x) {
  Window root = DefaultRootWindow(x), parent = 0, *children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (XQueryTree(x, root, &root, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && !found; ++i) {
      XWindowAttributes a;
      if (XGetWindowAttributes(x, children[i], &a) && a.map_state == IsViewable) found = children[i];
    }
    if (children) XFree(children);
  }
  return found;
}

// Reads the display number Xvfb writes to `fd` when it accepts connections:
// empty when it exits first or stays silent for kWaitMs.
std::string readDisplayNumber(int fd) {
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
  pollfd ready{fd, POLLIN, 0};
  for (char c = 0; c != '\n';) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return "";
    if (read(fd, &c, 1) != 1) return "";
    if (c != '\n') number += c;
  }
  return number;
}

}  // namespace

Session::Session() {
  char pattern[] = "/tmp/tf-e2e-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a temporary folder");
  root_ = pattern;
  dataDir_ = root_ + "/data";
  copyDataTree(fs::path(TF_SOURCE_DIR) / "data", dataDir_);
}

Session::~Session() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const bool failed = test && test->result()->Failed();
  // What the screen showed when the test failed, beside the files kept.
  if (failed && program_ > 0 && !exited_ && server_ > 0) screenshot(root_ + "/failure.png");
  if (program_ > 0 && !exited_) {
    kill(program_, SIGKILL);
    waitpid(program_, nullptr, 0);
  }
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
  if (failed || std::getenv("TF_E2E_KEEP")) {
    std::fprintf(stderr, "end-to-end files kept in %s\n", root_.c_str());
  } else {
    boost::system::error_code ignored;
    fs::remove_all(root_, ignored);
  }
}

void Session::writeFile(const std::string& relative, const std::string& text) const {
  fs::create_directories(fs::path(path(relative)).parent_path());
  std::ofstream(path(relative), std::ios::binary | std::ios::trunc) << text;
}

std::string Session::readFile(const std::string& relative) const { return slurp(path(relative)); }

bool Session::exists(const std::string& relative) const { return fs::exists(path(relative)); }

void Session::removeFile(const std::string& relative) const {
  boost::system::error_code ignored;
  fs::remove_all(path(relative), ignored);
}

std::string Session::standardOutput() const { return slurp(root_ + "/stdout.txt"); }

void Session::startServer() {
  int ready[2];
  if (pipe(ready) != 0) throw std::runtime_error("pipe");
  server_ = fork();
  if (server_ == 0) {
    close(ready[0]);
    redirect(STDOUT_FILENO, root_ + "/xvfb.txt");
    redirect(STDERR_FILENO, root_ + "/xvfb.txt");
    // -noreset: a server that resets when its last client leaves drops the
    // clients still connecting at that moment.
    execOrDie({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1024x768x24",
               "-nolisten", "tcp", "-noreset"});
  }
  close(ready[1]);
  const std::string number = readDisplayNumber(ready[0]);
  close(ready[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start: " + slurp(root_ + "/xvfb.txt"));
  display_ = ":" + number;
}

void Session::start(const std::vector<std::string>& environment, bool chooseSilentSound) {
  if (server_ <= 0) startServer();
  stepBegun_ = false;  // the program begins a new log
  exited_ = false;
  exitCode_ = -1;
  program_ = fork();
  if (program_ == 0) {
    if (chdir(dataDir_.c_str()) != 0) _exit(126);
    setenv("DISPLAY", display_.c_str(), 1);
    unsetenv("ALSOFT_DRIVERS");
    unsetenv("ALSOFT_CONF");
    bool soundChosen = !chooseSilentSound;
    for (const std::string& entry : environment) {
      putenv(const_cast<char*>(entry.c_str()));
      if (entry.rfind("ALSOFT_", 0) == 0) soundChosen = true;
    }
    if (!soundChosen) setenv("ALSOFT_DRIVERS", "null", 1);
    redirect(STDOUT_FILENO, root_ + "/stdout.txt");
    redirect(STDERR_FILENO, root_ + "/stderr.txt");
    execOrDie({TF_PROGRAM});
  }
  waitUntil([this] { return !running() || findWindow() != 0; });
}

bool Session::running() {
  if (program_ <= 0 || exited_) return false;
  int status = 0;
  pid_t done = waitpid(program_, &status, WNOHANG);
  if (done == program_) {
    exited_ = true;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return false;
  }
  return true;
}

bool Session::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    pause(kPollMs);
  }
  return true;
}

bool Session::waitForLog(const std::string& text, int timeoutMs) {
  // A line the log held before this step's input was sent cannot tell that
  // the input has had its effect: the wait would return at once.
  if (stepBegun_ && lineContains(logBeforeStep_, text)) {
    ADD_FAILURE() << "the log held \"" << text << "\" before this step's input; count its lines "
                  << "(countLog) and wait for one more (waitForLogLines)";
  }
  stepBegun_ = false;
  return waitUntil([&] { return lineContains(log(), text); }, timeoutMs);
}

int Session::countLog(const std::string& text) const {
  const std::string lines = log();
  int found = 0;
  for (std::size_t at = lines.find(text); at != std::string::npos; at = lines.find(text, at + 1)) ++found;
  return found;
}

bool Session::waitForLogLines(const std::string& text, int count, int timeoutMs) {
  stepBegun_ = false;
  return waitUntil([&] { return countLog(text) >= count; }, timeoutMs);
}

bool Session::waitForFile(const std::string& relative, int timeoutMs) {
  return waitUntil([&] { return exists(relative); }, timeoutMs);
}

bool Session::waitForPixel(int x, int y, const PixelTest& test, int timeoutMs) {
  return waitUntil([&] { return test(pixel(x, y)); }, timeoutMs);
}

bool Session::waitForLaterFrame(int timeoutMs) {
  auto strip = [this] { return area(kPanelStripLeft, 0, kPanelStripRight, kPanelStripBottom, kPanelStripStep); };
  const std::vector<Pixel> now = strip();
  return waitUntil([&] { return strip() != now; }, timeoutMs);
}

int Session::waitForExit(int timeoutMs) {
  return waitUntil([this] { return !running(); }, timeoutMs) ? exitCode_ : -1;
}

void Session::killProgram() {
  if (program_ <= 0 || exited_) return;
  kill(program_, SIGKILL);
  waitpid(program_, nullptr, 0);
  exited_ = true;
  exitCode_ = -1;
}

void Session::runXdotool(const std::vector<std::string>& args) {
  if (!stepBegun_) {
    logBeforeStep_ = log();
    stepBegun_ = true;
  }
  pid_t child = fork();
  if (child == 0) {
    setenv("DISPLAY", display_.c_str(), 1);
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    execOrDie(argv);
  }
  waitpid(child, nullptr, 0);
}

void Session::key(const std::string& keyName) {
  runXdotool({"key", "--delay", std::to_string(kKeystrokeGapMs), keyName});
}
void Session::keyDown(const std::string& keyName) { runXdotool({"keydown", keyName}); }
void Session::keyUp(const std::string& keyName) { runXdotool({"keyup", keyName}); }
void Session::type(const std::string& text) {
  // "--": a text that starts with a minus sign is typed, not read as an option.
  runXdotool({"type", "--delay", std::to_string(kKeystrokeGapMs), "--", text});
}

void Session::moveMouse(int x, int y) {
  pause(kPointerPauseMs);
  runXdotool({"mousemove", std::to_string(x), std::to_string(y)});
}

bool Session::hoverUntil(int x, int y, int px, int py, const PixelTest& test) {
  return waitUntil([&] {
    for (int aside : {0, 1}) {
      moveMouse(x + aside, y);
      if (waitForPixel(px, py, test, kHoverLookMs)) return true;
    }
    return false;
  });
}

void Session::click(int x, int y, int button) {
  pause(kPointerPauseMs);
  // A move to where the pointer already is sends no motion: one pixel aside
  // first, so the program always sees the pointer arrive.
  runXdotool({"mousemove", std::to_string(x + 1), std::to_string(y), "mousemove", std::to_string(x),
              std::to_string(y), "click", std::to_string(button)});
}

void Session::drag(int x0, int y0, int x1, int y1, int button, int moves) {
  pause(kPointerPauseMs);
  const std::string gap = std::to_string(kDragGapMs / 1000.0);
  std::vector<std::string> args = {"mousemove", std::to_string(x0 + 1), std::to_string(y0), "mousemove",
                                   std::to_string(x0),  std::to_string(y0), "mousedown", std::to_string(button)};
  if (moves <= 0) moves = tf::kSelectDragDelay + kDragMoves;
  for (int k = 1; k <= moves; ++k) {
    args.insert(args.end(), {"sleep", gap, "mousemove", std::to_string(x0 + (x1 - x0) * k / moves),
                             std::to_string(y0 + (y1 - y0) * k / moves)});
  }
  args.insert(args.end(), {"sleep", gap, "mouseup", std::to_string(button)});
  runXdotool(args);
}

void Session::clickButton(int x, int y) {
  pause(kButtonPauseMs - kPointerPauseMs);
  click(x, y);
}

unsigned long Session::findWindow() {
  Display* x = XOpenDisplay(display_.c_str());
  if (!x) return 0;
  Window w = mappedTopLevel(x);
  XCloseDisplay(x);
  return w;
}

void Session::closeWindow() {
  Display* x = XOpenDisplay(display_.c_str());
  if (!x) return;
  Window w = mappedTopLevel(x);
  if (w) {
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, w, False, NoEventMask, &e);
    XFlush(x);
  }
  XCloseDisplay(x);
}

bool Session::windowSize(int& width, int& height) {
  width = height = 0;
  Display* x = XOpenDisplay(display_.c_str());
  if (!x) return false;
  Window w = mappedTopLevel(x);
  XWindowAttributes a;
  bool found = w && XGetWindowAttributes(x, w, &a);
  if (found) {
    width = a.width;
    height = a.height;
  }
  XCloseDisplay(x);
  return found;
}

namespace {

Pixel pixelOf(XImage* image, int x, int y) {
  const unsigned long v = XGetPixel(image, x, y);
  Pixel p;
  p.r = static_cast<int>((v & image->red_mask) >> 16);
  p.g = static_cast<int>((v & image->green_mask) >> 8);
  p.b = static_cast<int>(v & image->blue_mask);
  return p;
}

}  // namespace

std::vector<Pixel> Session::area(int x0, int y0, int x1, int y1, int step) {
  std::vector<Pixel> pixels;
  Display* x = XOpenDisplay(display_.c_str());
  if (!x) return pixels;
  XImage* image = XGetImage(x, DefaultRootWindow(x), x0, y0, static_cast<unsigned>(x1 - x0 + 1),
                            static_cast<unsigned>(y1 - y0 + 1), AllPlanes, ZPixmap);
  if (image) {
    for (int y = 0; y <= y1 - y0; y += step) {
      for (int px = 0; px <= x1 - x0; px += step) pixels.push_back(pixelOf(image, px, y));
    }
    XDestroyImage(image);
  }
  XCloseDisplay(x);
  return pixels;
}

Pixel Session::pixel(int px, int py) {
  const std::vector<Pixel> one = area(px, py, px, py, 1);
  return one.empty() ? Pixel() : one.front();
}

void Session::screenshot(const std::string& file, int width, int height) {
  pid_t child = fork();
  if (child == 0) {
    setenv("DISPLAY", display_.c_str(), 1);
    execOrDie({"import", "-window", "root", "-crop",
               std::to_string(width) + "x" + std::to_string(height) + "+0+0", file});
  }
  waitpid(child, nullptr, 0);
}

void Session::keepScreenshot(const std::string& name) {
  const std::string shot = path(name);
  screenshot(shot);
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    fs::copy_file(shot, std::string(keep) + "/" + name, fs::copy_option::overwrite_if_exists);
  }
}

std::string windowSettings(bool debugMode, bool sound) {
  return std::string("f windowx 0\nf windowy 0\nf windowwidth 800\nf windowheight 600\nf fps 30\n") +
         (debugMode ? "f debugMode 1\n" : "f debugMode 0\n") +
         (sound ? "f sound 1\nf soundVolume 0.5\n" : "f sound 0\n") + "f firstTime 1\n";
}

bool greenish(const Pixel& p) { return p.g > p.r + 40 && p.g > p.b + 40; }
bool reddish(const Pixel& p) { return p.r > p.g + 60 && p.r > p.b + 60; }
bool bluish(const Pixel& p) { return p.b > p.r + 20 && p.b > p.g; }
bool whitish(const Pixel& p) { return p.r > 200 && p.g > 200 && p.b > 200; }

bool waitForMainMenu(Session& s) {
  return s.waitUntil([&s] {
    return greenish(s.pixel(kMainMenuPlay.x, kMainMenuPlay.y)) && reddish(s.pixel(kMainMenuQuit.x, kMainMenuQuit.y));
  });
}
bool waitForSplash(Session& s) { return s.waitForPixel(kSplashBlueTile.x, kSplashBlueTile.y, bluish); }
bool waitForWelcome(Session& s) { return s.waitForPixel(kWelcomeGreen.x, kWelcomeGreen.y, greenish); }

int countDiffering(const std::vector<Pixel>& a, const std::vector<Pixel>& b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) n += !(a[i] == b[i]);
  return n;
}

}  // namespace tfe2e
