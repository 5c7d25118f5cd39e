// The system sounds on a recording device: which voice a sound takes (and
// takes over when all five are busy), volume and the sound switch, stopping,
// and shutting down.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <string>

#include "core/system.h"
#include "recording_audio.h"
#include "temp_dir.h"

using namespace tf;

namespace {

class Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    gameSys.setSoundState(true);
    gameSys.setSoundVolume(1.0f);
  }
  void TearDown() override {
    freeGameSounds(static_cast<int>(gameSounds.size()));
    freeSystemSounds();
    gameSys.setSoundState(true);
    gameSys.setSoundVolume(1.0f);
  }
  tftest::ScopedWorkDir dir;
  tftest::RecordingAudio audio;
};

TEST_F(Sound, SystemSoundsStartOnTheLastIdleVoiceAtTheVolumeOfTheMomentAndTakeOverTheOldest) {
  loadSystemSounds();
  EXPECT_EQ(audio.voicesAlive, 5);
  ASSERT_EQ(audio.files.size(), 15u);
  EXPECT_EQ(audio.files[0] + audio.files[5] + audio.files[14],
            "soundreq/click.wavsoundreq/mainmenu.wavsoundreq/melody.wav");
  gameSys.setSoundVolume(0.25f);
  playSystemSound(kSoundClick, 0);
  playSystemSound(kSoundMainMenu, 1);
  gameSys.setSoundVolume(0.75f);
  audio.finish(sSource[4]);  // a voice whose sound has ended is free again
  playSystemSound(kSoundOk, 0);
  gameSys.setSoundState(false);
  playSystemSound(kSoundClick, 0);  // with sound switched off nothing starts
  const struct {
    unsigned voice;
    float gain;
    bool loop;
  } expected[] = {{sSource[4], 0.25f, false}, {sSource[3], 0.25f, true}, {sSource[4], 0.75f, false}};
  ASSERT_EQ(audio.starts.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(audio.starts[i].voice, expected[i].voice) << i;
    EXPECT_FLOAT_EQ(audio.starts[i].gain, expected[i].gain) << i;
    EXPECT_EQ(audio.starts[i].loop, expected[i].loop) << i;
  }

  // Five busy voices: a sixth sound takes over the voice started longest ago, then the next.
  gameSys.setSoundState(true);
  audio.starts.clear();
  for (int id = 0; id < 5; ++id) playSystemSound(id, 1);
  playSystemSound(kSoundMelody, 0);
  playSystemSound(kSoundError, 0);
  ASSERT_EQ(audio.starts.size(), 7u);
  EXPECT_EQ(audio.starts[5].voice, audio.starts[0].voice);
  EXPECT_EQ(audio.starts[6].voice, audio.starts[1].voice);
  // Stopping the sound whose voice was taken over leaves the newcomer playing.
  stopSystemSound(0);
  EXPECT_EQ(audio.playing[audio.starts[0].voice], "soundreq/melody.wav");
  stopSystemSound(kSoundMelody);
  stopSystemSound(2);
  EXPECT_EQ(audio.playing.count(audio.starts[0].voice) + audio.playing.count(audio.starts[2].voice), 0u);

  freeSystemSounds();  // shutting down releases voices, buffers and the device
  EXPECT_EQ(audio.voicesAlive, 0);
  EXPECT_EQ(audio.freedFiles.size(), 15u);
  EXPECT_TRUE(audio.shutDown);
  setAudioDevice(&audio);  // freeSystemSounds returned to the silent device
}

}  // namespace
