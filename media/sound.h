// The toolkit's own sounds and the loaded game's sounds, each played on a
// small fixed pool of voices: five for the toolkit, ten for the game.
#pragma once

#include <string>
#include <vector>

namespace tf {

class sound {
 public:
  void setBuffer(unsigned b) { buffer = b; }
  unsigned getBuffer() const { return buffer; }
  void setSource(unsigned s) { source = s; }
  unsigned getSource() const { return source; }

 private:
  unsigned buffer = 0;  // the loaded samples
  unsigned source = 0;  // the voice it was last started on
};

// The system sounds by id, each a file of soundreq/.
enum SystemSound {
  kSoundClick = 0, kSoundCancel, kSoundBoop, kSoundDelete, kSoundCopy, kSoundMainMenu,
  kSoundOk, kSoundOpen, kSoundClose, kSoundError, kSoundSelect, kSoundLeave, kSoundCreate,
  kSoundChange, kSoundMelody,
  kSystemSoundCount
};

constexpr int kSystemVoiceCount = 5;
constexpr int kGameVoiceCount = 10;

extern sound systemSounds[kSystemSoundCount];
extern std::vector<sound> gameSounds;
extern unsigned sSource[kSystemVoiceCount];
extern unsigned gSource[kGameVoiceCount];

// Creates the system voices and loads the 15 system sounds.
void loadSystemSounds();
void loadSystemSoundFile(const std::string& name, int index, int source);
// Plays system sound `id`; `loop` 1 repeats it until stopped.
void playSystemSound(int id, int loop);
// Stops system sound `id` on the voice it was last started on, unless another
// sound has taken that voice over since.
void stopSystemSound(int id);
// Shuts the sound device down at the end of the program.
void freeSystemSounds();

// Creates the game voices, renames every entry of games/<name>/sound/ to
// 1000.wav, 1001.wav, ... (never onto another file), loads them as game
// sounds 0, 1, ... and returns how many were loaded. Sounds of a game loaded
// before are released first.
int loadGameSounds(const std::string& name);

// The toolkit's starter sounds, which a new game begins with.
constexpr const char* kStarterSoundFolder = "sound";
// Loads the sounds of a game being created: those already in its sound
// folder, numbered as loadGameSounds does, or when there are none the starter
// sounds. Returns how many were loaded.
int loadNewGameSounds(const std::string& name);
// A starter sound file and the place in a game's sound folder it goes to.
struct starterSoundCopy {
  std::string from;
  std::string to;
};
// What a save of game `name` must copy so that the game, loaded again, has the
// sounds it has now: every starter sound under its number, while the game's
// sounds are the starter sounds and its sound folder holds nothing; else none.
std::vector<starterSoundCopy> starterSoundsToCopy(const std::string& name);
void loadGameSoundFile(const std::string& name, int index, int source);
void playGameSound(int id, int loop);
// As stopSystemSound, for game sound `id`.
void stopGameSound(int id);
void stopGameSounds();
// Releases game sounds 0..count-1 and the game voices.
void freeGameSounds(int count);

}  // namespace tf
