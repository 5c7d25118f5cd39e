// The sound tables on a recording device: the two pools of voices, which
// voice a sound takes (and takes over when all are busy), volume and the
// sound switch, stopping, and a game's sound folder numbered and loaded.
#include "media/sound.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/system.h"
#include "recording_sound_device.h"
#include "temp_dir.h"

using namespace tf;

namespace {

namespace fs = boost::filesystem;

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
  // The files of a game's sound folder: name -> what each holds.
  std::map<std::string, std::string> soundFolder(const std::string& game) const {
    std::map<std::string, std::string> found;
    for (fs::directory_iterator it(dir.path() + "/games/" + game + "/sound"), end; it != end; ++it) {
      const std::string name = it->path().filename().string();
      found[name] = fs::is_directory(it->path()) ? "<folder>" : dir.read("games/" + game + "/sound/" + name);
    }
    return found;
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
  EXPECT_EQ(audio.loads[0], "soundreq/click.wav");
  EXPECT_EQ(audio.loads[5], "soundreq/mainmenu.wav");
  EXPECT_EQ(audio.loads[14], "soundreq/melody.wav");

  gameSys.setSoundVolume(0.25f);
  playSystemSound(kSoundClick, 0);
  playSystemSound(kSoundMainMenu, 1);
  ASSERT_EQ(audio.starts.size(), 2u);
  EXPECT_EQ(audio.starts[0].voice, sSource[4]);
  EXPECT_FLOAT_EQ(audio.starts[0].gain, 0.25f);
  EXPECT_FALSE(audio.starts[0].loop);
  EXPECT_EQ(audio.starts[1].voice, sSource[3]);
  EXPECT_TRUE(audio.starts[1].loop);
  gameSys.setSoundVolume(0.75f);
  audio.finish(sSource[4]);
  playSystemSound(kSoundOk, 0);
  ASSERT_EQ(audio.starts.size(), 3u) << "a volume change starts nothing";
  EXPECT_EQ(audio.starts[2].voice, sSource[4]) << "a voice whose sound has ended is free again";
  EXPECT_FLOAT_EQ(audio.starts[2].gain, 0.75f);

  gameSys.setSoundState(false);
  playSystemSound(kSoundClick, 0);
  playSystemSound(kSoundMainMenu, 1);
  EXPECT_EQ(audio.starts.size(), 3u) << "with sound switched off nothing starts";
}

TEST_F(Sound, ASixthSoundTakesOverTheVoiceStartedLongestAgo) {
  loadSystemSounds();
  for (int id = 0; id < 5; ++id) playSystemSound(id, 1);
  playSystemSound(kSoundMelody, 0);
  playSystemSound(kSoundError, 0);
  ASSERT_EQ(audio.starts.size(), 7u);
  EXPECT_EQ(audio.starts[5].voice, audio.starts[0].voice);
  EXPECT_EQ(audio.starts[6].voice, audio.starts[1].voice) << "then the next oldest";
  EXPECT_EQ(audio.playingFile(audio.starts[0].voice), "soundreq/melody.wav");

  // Stopping the sound whose voice was taken over leaves the newcomer playing.
  stopSystemSound(0);
  EXPECT_EQ(audio.playingFile(audio.starts[0].voice), "soundreq/melody.wav");
  stopSystemSound(kSoundMelody);
  EXPECT_EQ(audio.playingFile(audio.starts[0].voice), "");
  stopSystemSound(2);
  EXPECT_EQ(audio.playingFile(audio.starts[2].voice), "");
}

TEST_F(Sound, AGameFolderIsNumberedFrom1000AsWavFilesWithoutOverwritingAny) {
  files("clash", {"1001.wav", "1000.ogg", "1000.wav", "zz", "music.mp3"});
  dir.write("games/clash/sound/sub/inner.wav", "inner");
  for (int run = 0; run < 2; ++run) {  // the second load renames nothing
    audio.loads.clear();
    EXPECT_EQ(loadGameSounds("clash"), 6);
    EXPECT_EQ(soundFolder("clash"), (std::map<std::string, std::string>{{"1000.wav", "1000.ogg"},
                                                                        {"1001.wav", "1000.wav"},
                                                                        {"1002.wav", "1001.wav"},
                                                                        {"1003.wav", "music.mp3"},
                                                                        {"1004.wav", "<folder>"},
                                                                        {"1005.wav", "zz"}}));
    ASSERT_EQ(audio.loads.size(), 6u);
    EXPECT_EQ(audio.loads[1], "games/clash/sound/1001.wav");
  }
  EXPECT_EQ(dir.read("games/clash/sound/1004.wav/inner.wav"), "inner");
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
  EXPECT_TRUE(gameSounds.empty());

  EXPECT_EQ(loadGameSounds("silent"), 0) << "no sound folder";
  EXPECT_EQ(audio.voices.size(), 10u) << "the voices are there all the same";
}

TEST_F(Sound, GameSoundsStopOneByOneOrAllTogether) {
  files("band", {"a.wav", "b.wav", "c.wav"});
  loadGameSounds("band");
  playGameSound(0, 1);
  playGameSound(1, 1);
  playGameSound(2, 0);
  stopGameSound(1);
  stopGameSound(1);
  EXPECT_EQ(audio.playing.size(), 2u);
  EXPECT_EQ(audio.playingFile(gameSounds[1].getSource()), "");
  for (int missing : {-1, 3, 1000}) {
    playGameSound(missing, 0);
    stopGameSound(missing);
  }
  EXPECT_EQ(audio.starts.size(), 3u);
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
