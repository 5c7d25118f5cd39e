// A sound device that remembers what it was asked, installed for the lifetime
// of the object: files loaded, every start (voice, file, volume, looping),
// the voices alive, buffers freed. A voice plays from its start until it is
// stopped or deleted, or until the test finishes it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "media/audio_device.h"

namespace tftest {

class RecordingAudio : public tf::AudioDevice {
 public:
  struct Start {
    unsigned voice;
    std::string file;
    float gain;
    bool loop;
  };

  RecordingAudio() { tf::setAudioDevice(this); }
  ~RecordingAudio() override { tf::setAudioDevice(nullptr); }

  unsigned createVoice() override {
    ++voicesAlive;
    return ++voices;
  }
  void deleteVoice(unsigned voice) override {
    --voicesAlive;
    playing.erase(voice);
  }
  // Buffer k is the k-th file loaded (counted from 1).
  unsigned loadWav(const std::string& path) override {
    files.push_back(path);
    return static_cast<unsigned>(files.size());
  }
  void freeBuffer(unsigned buffer) override { freedFiles.push_back(files.at(buffer - 1)); }
  bool isPlaying(unsigned voice) const override { return playing.count(voice) != 0; }
  void play(unsigned voice, unsigned buffer, float gain, bool loop) override {
    const std::string& file = files.at(buffer - 1);
    playing[voice] = file;
    played.push_back(file + (loop ? " looping" : " once"));
    starts.push_back({voice, file, gain, loop});
  }
  void stop(unsigned voice) override { playing.erase(voice); }
  void shutdown() override { shutDown = true; }

  // The voice ends by itself, as a sound played once does.
  void finish(unsigned voice) { playing.erase(voice); }
  // How many voices play `file` now.
  int playingCount(const std::string& file) const {
    int count = 0;
    for (const auto& entry : playing) count += entry.second == file ? 1 : 0;
    return count;
  }

  std::vector<std::string> files;
  std::vector<std::string> played;  // "<file> once" or "<file> looping"
  std::vector<Start> starts;
  std::vector<std::string> freedFiles;
  std::map<unsigned, std::string> playing;  // voice -> file it plays
  unsigned voices = 0;  // voices ever made
  int voicesAlive = 0;  // made and not deleted
  bool shutDown = false;
};

}  // namespace tftest
