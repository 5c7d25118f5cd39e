// The logic file: its exact text, reading back steps, owners and fresh state,
// the 15-sentence limit, older per-step files, damaged files, and a save that
// cannot be written.
#include "game/logic_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/script_object.h"
#include "game/map_file.h"
#include "game/world.h"
#include "game_tree.h"
#include "messages.h"
#include "temp_dir.h"
#include "world_compare.h"

using namespace tf;
using tftest::sentenceText;

namespace {

// Two maps: map 0 with one object, map 1 with three.
gameWorld twoMaps() {
  gameWorld game;
  game.allocateMaps(2);
  game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 0, 0);
  for (int i = 0; i < 3; ++i) game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, i, 1);
  return game;
}

bool readLogic(const std::string& text, gameWorld& into) {
  scriptObject table;
  table.readText(text, "logic.cfg");
  return readGameLogic(table, into, "logic.cfg");
}

TEST(LogicFile, ExactTextWithOneObjectHoldingTwoSentences) {
  gameWorld game = twoMaps();
  game.mapLocalAddSentence(1, 1);
  game.mapLocalAddSentence(1, 1);
  game.mapLocalChangeSentence(1, 1, 1, kSlotOpener, 111);
  game.mapLocalChangeSentence(1, 1, 1, kSlotOpenerOperand, 4);
  game.mapLocalChangeSentence(1, 1, 1, kSlotAction, 710);
  game.mapLocalChangeSentence(1, 1, 1, kSlotActionOperand, 1);

  EXPECT_EQ(logicFileText(game).str(),
            "// Game Logic Configuration File\n"
            "// This file was created by the Tessera Forge Application automatically.\n"
            "// Making any manual changes to this file could result in corruption of the data\n"
            "// and may cause instability with the Tessera Forge application.\n"
            "// The version format of this configuration file\n"
            "f version 1\n"
            "\n"
            "// Map 0 Logic Output\n"
            "\n"
            "f map0sentencecount 0\n"
            "\n"
            "\n"
            "// Map 1 Logic Output\n"
            "\n"
            "f map1sentencecount 0\n"
            "\n"
            "\n"
            "// Map 1 Object 1 Logic Output\n"
            "\n"
            "f map1object1sentencecount 2\n"
            "\n"
            "s map1object1sentence0 100 0 300 400 0 600 700 0 \n"
            "s map1object1sentence1 111 4 300 400 0 600 710 1 \n");
}

TEST(LogicFile, SentencesComeBackWithTheirOwnersAndFreshState) {
  gameWorld game = twoMaps();
  game.mapGlobalAddSentence(1);
  game.mapGlobalChangeSentence(1, 0, kSlotOpener, 126);
  game.mapGlobalChangeSentence(1, 0, kSlotCondition, 431);
  game.mapGlobalChangeSentence(1, 0, kSlotConditionOperand, -7);
  game.mapGlobalSetExecutionState(1, 1, 0);
  game.mapGlobalSetSentenceTimer(1, 99, 0);
  for (int k = 0; k < 3; ++k) {
    game.mapLocalAddSentence(2, 1);
    game.mapLocalChangeSentence(2, 1, k, kSlotActionOperand, k + 10);
  }
  // A map's objects can all be deleted after its global logic was written.
  game.mapGlobalAddSentence(0);
  game.worldDeleteObject(0, 0);

  gameWorld loaded = twoMaps();
  loaded.worldDeleteObject(0, 0);
  ASSERT_TRUE(readLogic(logicFileText(game).str(), loaded));
  ASSERT_EQ(loaded.mapGlobalGetSentenceAmount(1), 1);
  EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(1, 0)), "1: 126 0 300 431 -7 600 700 0");
  EXPECT_EQ(tftest::joined({loaded.mapGlobalGetExecutionState(1, 0), loaded.mapGlobalGetSentenceTimer(1, 0)}), "0 0");
  ASSERT_EQ(loaded.mapLocalGetSentenceAmount(2, 1), 3);
  EXPECT_EQ(sentenceText(loaded.mapLocalGetWholeSentence(2, 1, 2)), "2: 100 0 300 400 0 600 700 12");
  EXPECT_EQ(loaded.mapLocalGetSentenceAmount(0, 1), 0);
  EXPECT_EQ(loaded.mapGlobalGetSentenceAmount(0), 1);
}

TEST(LogicFile, AtMostFifteenSentencesAListAndOnlyForWhatExists) {
  gameWorld loaded = twoMaps();
  ASSERT_TRUE(readLogic("f version 1\nf map0sentencecount 20\nf map1sentencecount 2000000000\n"
                        "f map1object0sentencecount -4\nf map1object1sentencecount 1e30\n"
                        "f map7sentencecount 2\nf map0object5sentencecount 2\nf map-1sentencecount 2\n",
                        loaded));
  EXPECT_EQ(loaded.mapGlobalGetSentenceAmount(0), 15);
  EXPECT_EQ(loaded.mapGlobalGetSentenceAmount(1), 15);
  EXPECT_EQ(loaded.mapLocalGetSentenceAmount(0, 1), 0);
  EXPECT_EQ(loaded.mapLocalGetSentenceAmount(1, 1), 15);
  EXPECT_EQ(loaded.mapLocalGetSentenceAmount(0, 0), 0);
  // Missing sentence lines read as all zeros.
  EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(0, 14)), "0: 0 0 0 0 0 0 0 0");
}

TEST(LogicFile, OlderFilesKeepOneKeyPerStepAndLinesAreReadWordByWord) {
  const std::string old =
      "f map0sentencecount 1\nf map0sentence0step0 104\nf map0sentence0step1 0\nf map0sentence0step2 300\n"
      "f map0sentence0step3 405\nf map0sentence0step4 0\nf map0sentence0step5 600\nf map0sentence0step6 710\n"
      "f map1object2sentencecount 1\nf map1object2sentence0step6 708\n";
  for (const std::string version : {"", "f version 0\n"}) {
    gameWorld loaded = twoMaps();
    ASSERT_TRUE(readLogic(version + old, loaded));
    // A missing step reads -1.
    EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(0, 0)), "0: 104 0 300 405 0 600 710 -1");
    EXPECT_EQ(sentenceText(loaded.mapLocalGetWholeSentence(2, 1, 0)), "2: -1 -1 -1 -1 -1 -1 708 -1");
  }

  gameWorld loaded = twoMaps();
  ASSERT_TRUE(readLogic("f version 1\nf map0sentencecount 3\n"
                        "s map0sentence0 100\t 5   300 400 0 600 700 3 extra words\n"
                        "s map0sentence1 junk -2.9 1e12 +4 \n"
                        "s map0sentence2 999999 -999999 0 0 0 0 748 123456\n",
                        loaded));
  EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(0, 0)), "0: 100 5 300 400 0 600 700 3");
  EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(0, 1)), "0: 0 -2 2147483647 4 0 0 0 0");
  // Operands naming objects or maps that do not exist are kept as numbers.
  EXPECT_EQ(sentenceText(loaded.mapGlobalGetWholeSentence(0, 2)), "0: 999999 -999999 0 0 0 0 748 123456");
}

TEST(LogicFile, NewerVersionsAndJunkAttachNothingHarmful) {
  gameWorld loaded = twoMaps();
  tftest::MessageLog messages;
  EXPECT_FALSE(readLogic("f version 3\nf map0sentencecount 2\n", loaded));
  EXPECT_TRUE(messages.contains("is of version 3"));
  EXPECT_EQ(loaded.mapGlobalGetSentenceAmount(0), 0);

  std::string junk;
  for (int i = 0; i < 5000; ++i) junk.push_back(static_cast<char>((i * 31337 + 7) % 256));
  readLogic(junk, loaded);
  for (int m = 0; m < 2; ++m) EXPECT_LE(loaded.mapGlobalGetSentenceAmount(m), 15);
}

class LogicFileOnDisk : public ::testing::Test {
 protected:
  void TearDown() override { tftest::resetLifecycleGlobals(); }
  tftest::ScopedWorkDir dir;
};

TEST_F(LogicFileOnDisk, AMissingFileAttachesNothing) {
  world = twoMaps();
  world.setGameName("Empty");
  tftest::MessageLog messages;
  EXPECT_FALSE(loadGameLogic());
  EXPECT_TRUE(messages.contains("^rERROR: ^wError loading/reading file ^ygames/Empty/system/logic.cfg"));
  EXPECT_EQ(world.mapGlobalGetSentenceAmount(0), 0);
}

using LogicFileOnDiskDeathTest = LogicFileOnDisk;

TEST_F(LogicFileOnDiskDeathTest, AnUnwritableGameFolderEndsTheProgramWithAnError) {
  world = twoMaps();
  world.setGameName("Locked");
  dir.write("games/Locked/system", "a file where the folder should be");
  EXPECT_EXIT(saveGameWorld(), ::testing::ExitedWithCode(1), "");
}

}  // namespace
