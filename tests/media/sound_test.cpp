// The sound tables on a recording device: the two pools of voices, which
// voice a sound takes (and takes over when all are busy), volume and the
// sound switch, stopping, and a game's sound folder numbered and loaded.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/system.h"
#include "recording_sound_device.h"
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
  void files(const std::string& game, const std::vector<std::string>& names) const {
    for (const std::string& name : names) dir.write("games/" + game + "/sound/" + name, name);
  }
  tftest::ScopedWorkDir dir;
  tftest::RecordingSoundDevice audio;
};

TEST_F(Sound, SystemSoundsStartOnTheLastIdleVoiceAtTheVolumeOfTheMoment) {
  loadSystemSounds();
  EXPECT_EQ(audio.voices.size(), 5u);
  ASSERT_EQ(audio.loads.size(), 15u);
  EXPECT_EQ(audio.loads[0] + audio.loads[5] + audio.loads[14],
            "soundreq/click.wavsoundreq/mainmenu.wavsoundreq/melody.wav");
  gameSys.setSoundVolume(0.25f);
  playSystemSound(kSoundClick, 0);
  playSystemSound(kSoundMainMenu, 1);
  gameSys.setSoundVolume(0.75f);
  audio.finish(sSource[4]);
  playSystemSound(kSoundOk, 0);
  gameSys.setSoundState(false);
  playSystemSound(kSoundClick, 0);  // with sound switched off nothing starts
  ASSERT_EQ(audio.starts.size(), 3u);
  const struct {
    unsigned voice;
    float gain;
    bool loop;
  } expected[] = {{sSource[4], 0.25f, false}, {sSource[3], 0.25f, true}, {sSource[4], 0.75f, false}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(audio.starts[i].voice, expected[i].voice) << i;  // a voice whose sound has ended is free again
    EXPECT_FLOAT_EQ(audio.starts[i].gain, expected[i].gain) << i;
    EXPECT_EQ(audio.starts[i].loop, expected[i].loop) << i;
  }
}

TEST_F(Sound, ASixthSoundTakesOverTheVoiceStartedLongestAgo) {
  loadSystemSounds();
  for (int id = 0; id < 5; ++id) playSystemSound(id, 1);
  playSystemSound(kSoundMelody, 0);
  playSystemSound(kSoundError, 0);
  ASSERT_EQ(audio.starts.size(), 7u);
  EXPECT_EQ(audio.starts[5].voice, audio.starts[0].voice);
  EXPECT_EQ(audio.starts[6].voice, audio.starts[1].voice) << "then the next oldest";
  // Stopping the sound whose voice was taken over leaves the newcomer playing.
  stopSystemSound(0);
  EXPECT_EQ(audio.playingFile(audio.starts[0].voice), "soundreq/melody.wav");
  stopSystemSound(kSoundMelody);
  EXPECT_EQ(audio.playingFile(audio.starts[0].voice), "");
  stopSystemSound(2);
  EXPECT_EQ(audio.playingFile(audio.starts[2].voice), "");
}

TEST_F(Sound, AGameFolderIsNumberedFrom1000AsWavFilesAndLoadedInThatOrder) {
  files("clash", {"zz", "1000.wav", "1000.ogg"});
  for (int run = 0; run < 2; ++run) {  // the second load renames nothing
    audio.loads.clear();
    EXPECT_EQ(loadGameSounds("clash"), 3);
    EXPECT_EQ(dir.read("games/clash/sound/1000.wav") + dir.read("games/clash/sound/1001.wav") +
                  dir.read("games/clash/sound/1002.wav"),
              "1000.ogg1000.wavzz");
    EXPECT_EQ(audio.loads, (std::vector<std::string>{"games/clash/sound/1000.wav", "games/clash/sound/1001.wav",
                                                     "games/clash/sound/1002.wav"}));
  }
  EXPECT_EQ(audio.voices.size(), 10u);
  playGameSound(1, 0);
  EXPECT_EQ(audio.playingFile(gSource[9]), "games/clash/sound/1001.wav");
}

TEST_F(Sound, LoadingAnotherGameReleasesTheFirstGamesSounds) {
  files("one", {"a.wav", "b.wav"});
  files("two", {"x.wav"});
  loadGameSounds("one");
  const std::set<unsigned> firstVoices = audio.voices;
  EXPECT_EQ(loadGameSounds("two"), 1);
  EXPECT_EQ(audio.freedBuffers.size(), 2u);
  EXPECT_EQ(audio.voices.size(), 10u);
  for (unsigned voice : firstVoices) EXPECT_EQ(audio.voices.count(voice), 0u);
  freeGameSounds(1);
  EXPECT_EQ(audio.freedBuffers.size(), 3u);
  EXPECT_TRUE(audio.voices.empty());
  EXPECT_EQ(loadGameSounds("silent"), 0) << "no sound folder";
  EXPECT_EQ(audio.voices.size(), 10u) << "the voices are there all the same";
}

TEST_F(Sound, GameSoundsStopOneByOneOrAllTogether) {
  files("band", {"a.wav", "b.wav", "c.wav"});
  loadGameSounds("band");
  for (int id : {0, 1, 2, -1, 3}) playGameSound(id, id < 2);
  for (int id : {1, 1, -1, 3}) stopGameSound(id);
  EXPECT_EQ(audio.starts.size(), 3u);
  EXPECT_EQ(audio.playing.size(), 2u);
  EXPECT_EQ(audio.playingFile(gameSounds[1].getSource()), "");
  const std::size_t stopsBefore = audio.stops.size();
  stopGameSounds();
  EXPECT_TRUE(audio.playing.empty());
  EXPECT_EQ(audio.stops.size(), stopsBefore + 2) << "only the voices that are playing are stopped";
}

TEST_F(Sound, ShuttingDownReleasesTheSystemSoundsAndTheDevice) {
  loadSystemSounds();
  freeSystemSounds();
  EXPECT_TRUE(audio.voices.empty());
  EXPECT_EQ(audio.freedBuffers.size(), 15u);
  EXPECT_TRUE(audio.shutDown);
  setAudioDevice(&audio);  // freeSystemSounds returned to the silent device
}

}  // namespace
