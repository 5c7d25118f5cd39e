// Sound tables and voice pools. Sounds are loaded whole into buffers once;
// playing one starts its buffer on a free voice of its pool, or, when every
// voice is busy, on the voice started longest ago. A game's sound files are
// numbered 1000.wav, 1001.wav, ... before they are loaded.
#include "media/sound.h"

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

int loadGameSounds(const std::string& name) {
  // A game loaded over another has not freed the other's sounds.
  freeGameSounds(static_cast<int>(gameSounds.size()));
  createVoices(gamePool);
  const std::string folder = "games/" + name + "/sound";
  for (const std::string& entry : numberFolder(folder, NumberingScheme{kFirstSoundNumber, "wav"})) {
    gameSounds.emplace_back();
    loadGameSoundFile(folder + "/" + entry, static_cast<int>(gameSounds.size()) - 1, 0);
  }
  return static_cast<int>(gameSounds.size());
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
}

}  // namespace tf
