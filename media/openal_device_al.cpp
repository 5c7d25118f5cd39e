// OpenAL Soft sound device. OpenAL Soft picks its output driver once, at its
// first use, so whether a real device can be opened is asked in a child
// process first; without one the null driver is chosen before the first use.
#include "media/openal_device.h"

#include <AL/alut.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "core/log.h"
#include "media/audio_device.h"

namespace tf {
namespace {

class OpenALDevice : public AudioDevice {
 public:
  unsigned createVoice() override {
    ALuint voice = 0;
    alGenSources(1, &voice);
    return alGetError() == AL_NO_ERROR ? voice : 0;
  }

  void deleteVoice(unsigned voice) override {
    ALuint v = voice;
    alSourceStop(v);
    alDeleteSources(1, &v);
    alGetError();
  }

  unsigned loadWav(const std::string& path) override {
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    ALenum format;
    ALvoid* data = nullptr;
    ALsizei size = 0;
    ALsizei frequency = 0;
    ALboolean loop = AL_FALSE;
    // The WAV loader is marked deprecated in ALUT's headers but is the one
    // that reads a file into memory without playing it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    alutLoadWAVFile(reinterpret_cast<ALbyte*>(const_cast<char*>(path.c_str())), &format, &data,
                    &size, &frequency, &loop);
    if (data) {
      alBufferData(buffer, format, data, size, frequency);
      alutUnloadWAV(format, data, size, frequency);
    }
#pragma GCC diagnostic pop
    alGetError();  // an unreadable file leaves a buffer without samples
    return buffer;
  }

  void freeBuffer(unsigned buffer) override {
    ALuint b = buffer;
    alDeleteBuffers(1, &b);
    alGetError();
  }

  bool isPlaying(unsigned voice) const override {
    ALint state = AL_STOPPED;
    alGetSourcei(voice, AL_SOURCE_STATE, &state);
    alGetError();
    return state == AL_PLAYING;
  }

  void play(unsigned voice, unsigned buffer, float gain, bool loop) override {
    const ALfloat zero[3] = {0, 0, 0};
    const ALfloat orientation[6] = {0, 0, -1, 0, 1, 0};
    alSourcei(voice, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcef(voice, AL_PITCH, 1.0f);
    alSourcef(voice, AL_GAIN, gain);
    alSourcefv(voice, AL_POSITION, zero);
    alSourcefv(voice, AL_VELOCITY, zero);
    alSourcei(voice, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    alListenerfv(AL_POSITION, zero);
    alListenerfv(AL_VELOCITY, zero);
    alListenerfv(AL_ORIENTATION, orientation);
    alSourcePlay(voice);
    alGetError();
  }

  void stop(unsigned voice) override {
    alSourceStop(voice);
    alGetError();
  }

  void shutdown() override { alutExit(); }
};

OpenALDevice device;

// Asks a child process whether the default output opens, keeping the sound
// library's complaints about a missing device out of the program's output.
bool defaultOutputOpens() {
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
      dup2(quiet, STDERR_FILENO);
      dup2(quiet, STDOUT_FILENO);
    }
    ALCdevice* output = alcOpenDevice(nullptr);
    if (output) alcCloseDevice(output);
    _exit(output ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool openSoundDevice() {
  // A driver chosen by the user (or a test recording the output) is respected.
  bool driverChosen = std::getenv("ALSOFT_DRIVERS") || std::getenv("ALSOFT_CONF");
  if (!driverChosen && !defaultOutputOpens()) {
    systemMsg("^yNOTE: ^wNo sound device found; sounds will be silent.");
    setenv("ALSOFT_DRIVERS", "null", 1);
  }
  if (!alutInit(nullptr, nullptr)) {
    systemMsg("^rERROR: ^wThe sound library could not be started; sounds will be silent.");
    return false;
  }
  alGetError();
  setAudioDevice(&device);
  return true;
}

}  // namespace tf
