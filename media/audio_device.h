// The seam between the sound tables and the sound library: buffers hold loaded
// samples, voices play them. The base class is a device without sound: every
// operation succeeds and nothing is heard.
#pragma once

#include <string>

namespace tf {

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  // A new voice, 0 when none can be made.
  virtual unsigned createVoice() { return 0; }
  virtual void deleteVoice(unsigned voice) {}
  // A buffer holding the samples of a .wav file; a file that cannot be read
  // gives a buffer without samples, which plays as silence.
  virtual unsigned loadWav(const std::string& path) { return 0; }
  virtual void freeBuffer(unsigned buffer) {}
  virtual bool isPlaying(unsigned voice) const { return false; }
  // Starts `buffer` on `voice` at volume `gain` (0..1), once or looping.
  virtual void play(unsigned voice, unsigned buffer, float gain, bool loop) {}
  virtual void stop(unsigned voice) {}
  // Closes the device for good.
  virtual void shutdown() {}
};

// The device in use; the silent one until a sound device is opened.
AudioDevice& audio();
// Installs `device` (not owned); nullptr returns to the silent device.
void setAudioDevice(AudioDevice* device);

}  // namespace tf
