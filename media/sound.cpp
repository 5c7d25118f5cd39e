// Sound tables and voice pools. Sounds are loaded whole into buffers once;
// playing one starts its buffer on a free voice of its pool, or, when every
// voice is busy, on the voice started longest ago. A game's sound files are
// numbered 1000.wav, 1001.wav, ... before they are loaded; a new game without
// sounds of its own starts with the toolkit's starter sounds.
#include "media/sound.h"

#include <boost/filesystem.hpp>

#include "core/system.h"
#include "media/audio_device.h"
#include "media/folder_numbering.h"

namespace tf {

sound systemSounds[kSystemSoundCount];
std::vector<sound> gameSounds;
unsigned sSource[kSystemVoiceCount];
unsigned gSource[kGameVoiceCount];

namespace {

const char* const kSystemSoundFiles[kSystemSoundCount] = {
    "click", "cancel", "boop", "delete", "copy", "mainmenu", "ok", "open",
    "close", "error", "select", "leave", "create", "change", "melody"};

// The first number of a game's sound files: sound k is the file 1000 + k.
constexpr int kFirstSoundNumber = 1000;

constexpr int kMaxPoolVoices = kGameVoiceCount;
static_assert(kSystemVoiceCount <= kMaxPoolVoices, "every pool fits the pool state");

// The state of one pool of voices besides the voices themselves.
struct voicePool {
  unsigned* voices;
  int count;
  unsigned long started[kMaxPoolVoices];  // when each voice was last started, counted in starts
  int playing[kMaxPoolVoices];            // the sound each voice was last started with, -1 none
};

voicePool systemPool{sSource, kSystemVoiceCount, {}, {}};
voicePool gamePool{gSource, kGameVoiceCount, {}, {}};
unsigned long startCounter = 0;

// The starter sound files the loaded game's sounds came from, in order; empty
// when they came from the game's own folder.
std::vector<std::string> starterFiles;

void createVoices(voicePool& pool) {
  for (int i = 0; i < pool.count; ++i) {
    pool.voices[i] = audio().createVoice();
    pool.started[i] = 0;
    pool.playing[i] = -1;
  }
}

void deleteVoices(voicePool& pool) {
  for (int i = 0; i < pool.count; ++i) {
    if (pool.voices[i] != 0) audio().deleteVoice(pool.voices[i]);
    pool.voices[i] = 0;
    pool.playing[i] = -1;
  }
}

// The last idle voice of the pool, else the one started longest ago.
int chooseVoice(const voicePool& pool) {
  for (int i = pool.count - 1; i >= 0; --i) {
    if (!audio().isPlaying(pool.voices[i])) return i;
  }
  int oldest = 0;
  for (int i = 1; i < pool.count; ++i) {
    if (pool.started[i] < pool.started[oldest]) oldest = i;
  }
  return oldest;
}

void playOn(sound& s, int id, voicePool& pool, int loop) {
  if (!gameSys.getSoundState()) return;
  int v = chooseVoice(pool);
  if (pool.voices[v] == 0) return;
  pool.started[v] = ++startCounter;
  pool.playing[v] = id;
  s.setSource(pool.voices[v]);
  audio().stop(pool.voices[v]);
  audio().play(pool.voices[v], s.getBuffer(), gameSys.getSoundVolume(), loop != 0);
}

// Stops sound `id` on the voice it was started on, unless another sound has
// taken that voice over since.
void stopOn(const sound& s, int id, const voicePool& pool) {
  for (int i = 0; i < pool.count; ++i) {
    if (pool.voices[i] != 0 && pool.voices[i] == s.getSource() && pool.playing[i] == id) {
      audio().stop(pool.voices[i]);
    }
  }
}

void freeBuffers(std::vector<sound>& sounds, int count) {
  for (int i = 0; i < count && i < static_cast<int>(sounds.size()); ++i) {
    if (sounds[i].getBuffer() != 0) audio().freeBuffer(sounds[i].getBuffer());
  }
  sounds.clear();
}

}  // namespace

void loadSystemSoundFile(const std::string& name, int index, int source) {
  if (index < 0 || index >= kSystemSoundCount) return;
  systemSounds[index].setBuffer(audio().loadWav(name));
}

void loadSystemSounds() {
  createVoices(systemPool);
  for (int id = 0; id < kSystemSoundCount; ++id) {
    loadSystemSoundFile(std::string("soundreq/") + kSystemSoundFiles[id] + ".wav", id, 0);
  }
}

void playSystemSound(int id, int loop) {
  if (id < 0 || id >= kSystemSoundCount) return;
  playOn(systemSounds[id], id, systemPool, loop);
}

void stopSystemSound(int id) {
  if (id < 0 || id >= kSystemSoundCount) return;
  stopOn(systemSounds[id], id, systemPool);
}

void freeSystemSounds() {
  deleteVoices(systemPool);
  for (sound& s : systemSounds) {
    if (s.getBuffer() != 0) audio().freeBuffer(s.getBuffer());
    s = sound();
  }
  audio().shutdown();
  setAudioDevice(nullptr);
}

void loadGameSoundFile(const std::string& name, int index, int source) {
  if (index < 0 || index >= static_cast<int>(gameSounds.size())) return;
  gameSounds[index].setBuffer(audio().loadWav(name));
}

namespace {

std::string gameSoundFolder(const std::string& name) { return "games/" + name + "/sound"; }

bool folderHoldsEntries(const std::string& folder) {
  boost::system::error_code error;
  return boost::filesystem::directory_iterator(folder, error) != boost::filesystem::directory_iterator();
}

// The files of a sound folder, numbered, with the folder in front.
std::vector<std::string> numberedSoundFiles(const std::string& folder) {
  std::vector<std::string> files = numberFolder(folder, NumberingScheme{kFirstSoundNumber, "wav"});
  for (std::string& file : files) file = folder + "/" + file;
  return files;
}

// Frees the sounds of a game loaded before, then loads `files` as game sounds
// 0, 1, ... and returns how many there are.
int replaceGameSounds(const std::vector<std::string>& files) {
  freeGameSounds(static_cast<int>(gameSounds.size()));
  createVoices(gamePool);
  for (const std::string& file : files) {
    gameSounds.emplace_back();
    loadGameSoundFile(file, static_cast<int>(gameSounds.size()) - 1, 0);
  }
  return static_cast<int>(gameSounds.size());
}

}  // namespace

int loadGameSounds(const std::string& name) { return replaceGameSounds(numberedSoundFiles(gameSoundFolder(name))); }

int loadNewGameSounds(const std::string& name) {
  std::vector<std::string> own = numberedSoundFiles(gameSoundFolder(name));
  if (!own.empty()) return replaceGameSounds(own);
  std::vector<std::string> starters = numberedSoundFiles(kStarterSoundFolder);
  const int count = replaceGameSounds(starters);
  starterFiles = std::move(starters);
  return count;
}

std::vector<starterSoundCopy> starterSoundsToCopy(const std::string& name) {
  if (starterFiles.empty() || folderHoldsEntries(gameSoundFolder(name))) return {};
  std::vector<starterSoundCopy> copies;
  for (std::size_t k = 0; k < starterFiles.size(); ++k) {
    copies.push_back({starterFiles[k], gameSoundFolder(name) + "/" + std::to_string(kFirstSoundNumber + k) + ".wav"});
  }
  return copies;
}

void playGameSound(int id, int loop) {
  if (id < 0 || id >= static_cast<int>(gameSounds.size())) return;
  playOn(gameSounds[id], id, gamePool, loop);
}

void stopGameSound(int id) {
  if (id < 0 || id >= static_cast<int>(gameSounds.size())) return;
  stopOn(gameSounds[id], id, gamePool);
}

void stopGameSounds() {
  for (unsigned voice : gSource) {
    if (voice != 0 && audio().isPlaying(voice)) audio().stop(voice);
  }
}

void freeGameSounds(int count) {
  deleteVoices(gamePool);
  freeBuffers(gameSounds, count);
  starterFiles.clear();
}

}  // namespace tf
