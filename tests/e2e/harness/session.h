// One end-to-end session: a private copy of the data tree, a private X server,
// the built program running in that copy, and the means to drive it as a
// person would (keys, clicks, the window's close button) and to read what it
// leaves behind (log lines, exit code, files, pixels, screenshots).
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace tfe2e {

struct Pixel {
  int r = -1, g = -1, b = -1;
  bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
};

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

  // Starts the X server and the program. `environment` entries (NAME=value)
  // are added to the program's environment. Sound goes to OpenAL Soft's null
  // output unless an entry chooses a driver, or `chooseSilentSound` is false,
  // in which case the program finds its own way (as on a machine with no
  // sound card).
  void start(const std::vector<std::string>& environment = {}, bool chooseSilentSound = true);
  bool running();

  // Waits for a line of log.txt that contains `text`.
  bool waitForLog(const std::string& text, int timeoutMs = 15000);
  std::string log() const { return readFile("log.txt"); }
  std::string standardOutput() const;
  // Waits for the program to end; its exit code, or -1 when it did not end
  // (or was killed by a signal).
  int waitForExit(int timeoutMs = 15000);

  // Input through the X server, as a person's keyboard and mouse would send it.
  void key(const std::string& keyName);
  void keyDown(const std::string& keyName);
  void keyUp(const std::string& keyName);
  void type(const std::string& text);
  void moveMouse(int x, int y);
  void click(int x, int y, int button = 1);
  // Asks the window to close, as a window manager's close button does.
  void closeWindow();

  // The program's window: its size (0 when there is none).
  bool windowSize(int& width, int& height);
  Pixel pixel(int x, int y);
  void screenshot(const std::string& file, int width = 800, int height = 600);

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

// Milliseconds to wait for the program to react to one input event.
constexpr int kSettleMs = 300;
void sleepMs(int ms);

}  // namespace tfe2e
