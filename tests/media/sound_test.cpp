// The sound tables on a recording device: the two pools of voices, which
// voice a sound takes (and takes over when all are busy), volume and the
// sound switch, stopping, and a game's sound folder numbered and loaded.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/system.h"
#include "recording_audio.h"
#include "temp_dir.h"

using namespace tf;

namespace {

using Files = std::vector<std::string>;

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
  void files(const std::string& game, const Files& names) const {
    for (const std::string& name : names) dir.write("games/" + game + "/sound/" + name, name);
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

TEST_F(Sound, AGameFolderIsNumberedFrom1000AsWavFilesAndLoadedInThatOrder) {
  files("clash", {"zz", "1000.wav", "1000.ogg"});
  const Files numbered = {"games/clash/sound/1000.wav", "games/clash/sound/1001.wav", "games/clash/sound/1002.wav"};
  for (int run = 0; run < 2; ++run) {  // the second load renames nothing
    EXPECT_EQ(loadGameSounds("clash"), 3);
    EXPECT_EQ(dir.read(numbered[0]) + dir.read(numbered[1]) + dir.read(numbered[2]), "1000.ogg1000.wavzz");
    EXPECT_EQ(Files(audio.files.end() - 3, audio.files.end()), numbered);
  }
  EXPECT_EQ(audio.voicesAlive, 10);
  playGameSound(1, 0);
  EXPECT_EQ(audio.playing[gSource[9]], numbered[1]);
}

TEST_F(Sound, LoadingAnotherGameReleasesTheFirstGamesSounds) {
  files("one", {"a.wav", "b.wav"});
  files("two", {"x.wav"});
  loadGameSounds("one");
  EXPECT_EQ(loadGameSounds("two"), 1);
  EXPECT_EQ(audio.freedFiles, (Files{"games/one/sound/1000.wav", "games/one/sound/1001.wav"}));
  EXPECT_EQ(audio.deleted.size(), 10u);
  EXPECT_EQ(audio.voicesAlive, 10);
  freeGameSounds(1);
  EXPECT_EQ(audio.freedFiles.back(), "games/two/sound/1000.wav");
  EXPECT_EQ(audio.voicesAlive, 0);
  EXPECT_EQ(loadGameSounds("silent"), 0) << "no sound folder";
  EXPECT_EQ(audio.voicesAlive, 10) << "the voices are there all the same";
}

TEST_F(Sound, GameSoundsStopOneByOneOrAllTogether) {
  files("band", {"a.wav", "b.wav", "c.wav"});
  loadGameSounds("band");
  for (int id : {0, 1, 2, -1, 3}) playGameSound(id, id < 2);
  for (int id : {1, 1, -1, 3}) stopGameSound(id);
  EXPECT_EQ(audio.starts.size(), 3u);
  EXPECT_EQ(audio.playing.size(), 2u);
  EXPECT_EQ(audio.playing.count(gameSounds[1].getSource()), 0u);
  const std::size_t stopsBefore = audio.stopped.size();
  stopGameSounds();
  EXPECT_TRUE(audio.playing.empty());
  EXPECT_EQ(audio.stopped.size(), stopsBefore + 2) << "only the voices that are playing are stopped";
}

}  // namespace
