// The sound device of the real program: OpenAL Soft through ALUT.
#pragma once

namespace tf {

// Opens the sound device and makes it the one in use. Without a usable device
// the program carries on silently through OpenAL Soft's null output; false
// when even that cannot be opened (the silent device stays in use).
bool openSoundDevice();

}  // namespace tf
