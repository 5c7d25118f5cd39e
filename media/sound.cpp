// Sound tables and voice pools. Sounds are loaded whole into buffers once;
// playing one starts its buffer on a free voice of its pool, or, when every
// voice is busy, on the voice started longest ago.
#include "media/sound.h"

#include <algorithm>
#include <boost/filesystem.hpp>

#include "core/system.h"
#include "media/audio_device.h"

namespace tf {

sound systemSounds[kSystemSoundCount];
std::vector<sound> gameSounds;
unsigned sSource[kSystemVoiceCount];
unsigned gSource[kGameVoiceCount];

namespace {

const char* const kSystemSoundFiles[kSystemSoundCount] = {
    "click", "cancel", "boop", "delete", "copy", "mainmenu", "ok", "open",
    "close", "error", "select", "leave", "create", "change", "melody"};

// When each voice of a pool was last started, counted in starts.
unsigned long systemVoiceStart[kSystemVoiceCount];
unsigned long gameVoiceStart[kGameVoiceCount];
unsigned long startCounter = 0;

void createVoices(unsigned* voices, unsigned long* started, int count) {
  for (int i = 0; i < count; ++i) {
    voices[i] = audio().createVoice();
    started[i] = 0;
  }
}

void deleteVoices(unsigned* voices, int count) {
  for (int i = 0; i < count; ++i) {
    if (voices[i] != 0) audio().deleteVoice(voices[i]);
    voices[i] = 0;
  }
}

// The last idle voice of the pool, else the one started longest ago.
int chooseVoice(const unsigned* voices, const unsigned long* started, int count) {
  for (int i = count - 1; i >= 0; --i) {
    if (!audio().isPlaying(voices[i])) return i;
  }
  int oldest = 0;
  for (int i = 1; i < count; ++i) {
    if (started[i] < started[oldest]) oldest = i;
  }
  return oldest;
}

void playOn(sound& s, unsigned* voices, unsigned long* started, int count, int loop) {
  if (!gameSys.getSoundState()) return;
  int v = chooseVoice(voices, started, count);
  if (voices[v] == 0) return;
  started[v] = ++startCounter;
  s.setSource(voices[v]);
  audio().stop(voices[v]);
  audio().play(voices[v], s.getBuffer(), gameSys.getSoundVolume(), loop != 0);
}

}  // namespace

void loadSystemSoundFile(const std::string& name, int index, int source) {
  if (index < 0 || index >= kSystemSoundCount) return;
  systemSounds[index].setBuffer(audio().loadWav(name));
}

void loadSystemSounds() {
  createVoices(sSource, systemVoiceStart, kSystemVoiceCount);
  for (int id = 0; id < kSystemSoundCount; ++id) {
    loadSystemSoundFile(std::string("soundreq/") + kSystemSoundFiles[id] + ".wav", id, 0);
  }
}

void playSystemSound(int id, int loop) {
  if (id < 0 || id >= kSystemSoundCount) return;
  playOn(systemSounds[id], sSource, systemVoiceStart, kSystemVoiceCount, loop);
}

void stopSystemSound(int id) {
  if (id < 0 || id >= kSystemSoundCount) return;
  if (systemSounds[id].getSource() != 0) audio().stop(systemSounds[id].getSource());
}

void freeSystemSounds() {
  deleteVoices(sSource, kSystemVoiceCount);
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

int loadGameSounds(const std::string& name) {
  namespace fs = boost::filesystem;
  createVoices(gSource, gameVoiceStart, kGameVoiceCount);
  gameSounds.clear();
  fs::path folder = fs::path("games") / name / "sound";
  boost::system::error_code error;
  if (!fs::is_directory(folder, error)) return 0;
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    entries.push_back(it->path());
  }
  std::sort(entries.begin(), entries.end());
  for (const fs::path& entry : entries) {
    gameSounds.emplace_back();
    loadGameSoundFile(entry.string(), static_cast<int>(gameSounds.size()) - 1, 0);
  }
  return static_cast<int>(gameSounds.size());
}

void playGameSound(int id, int loop) {
  if (id < 0 || id >= static_cast<int>(gameSounds.size())) return;
  playOn(gameSounds[id], gSource, gameVoiceStart, kGameVoiceCount, loop);
}

void stopGameSound(int id) {
  if (id < 0 || id >= static_cast<int>(gameSounds.size())) return;
  if (gameSounds[id].getSource() != 0) audio().stop(gameSounds[id].getSource());
}

void stopGameSounds() {
  for (unsigned voice : gSource) {
    if (voice != 0 && audio().isPlaying(voice)) audio().stop(voice);
  }
}

void freeGameSounds(int count) {
  for (int i = 0; i < count && i < static_cast<int>(gameSounds.size()); ++i) {
    if (gameSounds[i].getBuffer() != 0) audio().freeBuffer(gameSounds[i].getBuffer());
  }
  deleteVoices(gSource, kGameVoiceCount);
  gameSounds.clear();
}

}  // namespace tf
