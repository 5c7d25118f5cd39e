// Sounds played for real through OpenAL Soft, whose "wave" output writes what it mixes into a
// file each test reads back. OpenAL Soft reads its configuration once per process, at its first
// use, so each test sets it up before it opens the device (ctest runs each test on its own).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "core/system.h"
#include "media/openal_device.h"
#include "media/sound.h"
#include "temp_dir.h"
#include "wav_file.h"

using namespace tf;

namespace {

// Quieter than this counts as silence (the mixer may leave tiny residues).
constexpr float kSilence = 0.002f;

void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

class SoundOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("alsoft.conf", "[general]\ndrivers = wave\nsample-type = int16\nchannels = stereo\n[wave]\nfile = " +
                                 output + "\n");
    // The test runner asks every test for the null output; this one records.
    unsetenv("ALSOFT_DRIVERS");
    setenv("ALSOFT_CONF", (dir.path() + "/alsoft.conf").c_str(), 1);
    gameSys.setSoundState(true);
    gameSys.setSoundVolume(1.0f);
    ASSERT_TRUE(openSoundDevice());
  }
  // A tone of `seconds` as games/<game>/sound/<name>.
  void tone(const std::string& game, const std::string& name, double seconds) {
    const std::string relative = "games/" + game + "/sound/" + name;
    dir.write(relative, "");
    tftest::writeToneWav(dir.path() + "/" + relative, seconds);
  }
  // Closes the device, which finishes the file, and reads when it was loud.
  tftest::Recording finish(double& first, double& last) {
    freeGameSounds(static_cast<int>(gameSounds.size()));
    freeSystemSounds();
    tftest::Recording heard = tftest::readWav(output);
    heard.loudSpan(kSilence, first, last);
    return heard;
  }
  tftest::ScopedWorkDir dir;
  const std::string output = dir.path() + "/heard.wav";
  double first = -1, last = -1;
};

TEST_F(SoundOutput, APlayedSoundIsHeardOnce) {
  tone("tune", "beep.wav", 0.3);
  ASSERT_EQ(loadGameSounds("tune"), 1);
  pause(0.2);
  playGameSound(0, 0);
  pause(0.6);
  tftest::Recording heard = finish(first, last);
  ASSERT_GT(heard.seconds(), 0.5);
  EXPECT_GT(last - first, 0.2) << "the whole tone, not a click";
  EXPECT_LT(last - first, 0.45) << "played once";
}

TEST_F(SoundOutput, AStoppedLoopFallsSilent) {
  tone("loop", "beep.wav", 0.1);
  ASSERT_EQ(loadGameSounds("loop"), 1);
  playGameSound(0, 1);
  pause(0.5);
  stopGameSound(0);
  pause(0.5);
  tftest::Recording heard = finish(first, last);
  ASSERT_GE(first, 0) << "the loop was heard";
  EXPECT_GT(last - first, 0.3) << "looping beyond the tone's own 0.1 s";
  EXPECT_LT(heard.peak(last + 0.01), kSilence);
  EXPECT_GT(heard.seconds() - last, 0.3) << "silent from the stop to the end";
}

TEST_F(SoundOutput, FilesAreNumberedFrom1000AndNeitherVolumeZeroNorAFileThatIsNoWavIsHeard) {
  dir.write("games/mixed/sound/b.ogg", "OggS this is not a wave file at all");
  tone("mixed", "a.wav", 0.2);
  tone("mixed", "c.wav", 0.2);
  ASSERT_EQ(loadGameSounds("mixed"), 3);
  EXPECT_EQ(dir.read("games/mixed/sound/1001.wav"), "OggS this is not a wave file at all");
  gameSys.setSoundVolume(0);
  playGameSound(0, 0);
  pause(0.3);
  gameSys.setSoundVolume(1);
  playGameSound(1, 0);
  pause(0.3);
  playGameSound(2, 0);
  pause(0.4);
  finish(first, last);
  ASSERT_GE(first, 0) << "sound 2 was heard";
  EXPECT_GT(first, 0.55) << "sounds 0 and 1 made no sound";
}

}  // namespace
