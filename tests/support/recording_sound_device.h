// A sound device that remembers what was asked of it, installed for the
// lifetime of the object. Voices count as playing from a start until they
// are stopped (or finish, when the test says so).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "media/audio_device.h"

namespace tftest {

class RecordingSoundDevice : public tf::AudioDevice {
 public:
  struct Start {
    unsigned voice, buffer;
    float gain;
    bool loop;
  };

  RecordingSoundDevice() { tf::setAudioDevice(this); }
  ~RecordingSoundDevice() override { tf::setAudioDevice(nullptr); }

  unsigned createVoice() override {
    unsigned voice = nextVoice++;
    voices.insert(voice);
    return voice;
  }
  void deleteVoice(unsigned voice) override {
    voices.erase(voice);
    playing.erase(voice);
    deletedVoices.push_back(voice);
  }
  unsigned loadWav(const std::string& path) override {
    unsigned buffer = nextBuffer++;
    loadedFrom[buffer] = path;
    loads.push_back(path);
    return buffer;
  }
  void freeBuffer(unsigned buffer) override { freedBuffers.push_back(buffer); }
  bool isPlaying(unsigned voice) const override { return playing.count(voice) > 0; }
  void play(unsigned voice, unsigned buffer, float gain, bool loop) override {
    starts.push_back({voice, buffer, gain, loop});
    playing[voice] = buffer;
  }
  void stop(unsigned voice) override {
    stops.push_back(voice);
    playing.erase(voice);
  }
  void shutdown() override { shutDown = true; }

  // The voice ends by itself, as a sound played once does.
  void finish(unsigned voice) { playing.erase(voice); }
  // The file a voice is playing now, "" when it is silent.
  std::string playingFile(unsigned voice) const {
    auto it = playing.find(voice);
    return it == playing.end() ? std::string() : loadedFrom.at(it->second);
  }

  std::set<unsigned> voices;
  std::map<unsigned, unsigned> playing;  // voice -> buffer
  std::map<unsigned, std::string> loadedFrom;
  std::vector<std::string> loads;
  std::vector<Start> starts;
  std::vector<unsigned> stops;
  std::vector<unsigned> deletedVoices;
  std::vector<unsigned> freedBuffers;
  bool shutDown = false;
  unsigned nextVoice = 1;
  unsigned nextBuffer = 100;
};

}  // namespace tftest
