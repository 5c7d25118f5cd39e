// The sound device in use.
#include "media/audio_device.h"

namespace tf {
namespace {
AudioDevice silent;
AudioDevice* current = &silent;
}  // namespace

AudioDevice& audio() { return *current; }

void setAudioDevice(AudioDevice* device) { current = device ? device : &silent; }

}  // namespace tf
